// The end-to-end driver in one include: start KORVN32.EXE (App), use it as a
// person would (input.h), read back what the screen shows (screen.h), wait
// with deadlines (wait.h), take screenshots (screenshot.h) and watch the help
// engine (help_engine.h).
#pragma once

#include "app.h"
#include "help_engine.h"
#include "input.h"
#include "screen.h"
#include "screenshot.h"
#include "wait.h"
