#include "about_box.h"

#include "resource.h"

const MessageMap CAboutBox::messageMap = {&CDialog::messageMap, nullptr, 0};

const MessageMap* CAboutBox::GetMessageMap() const { return &messageMap; }

CAboutBox::CAboutBox() : CDialog(IDD_ABOUT) {}

void CAboutBox::DoDataExchange(CDataExchange*) {}
