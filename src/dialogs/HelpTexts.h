#pragma once
#include "context/Prompts.h"

#include <QString>

// The help submenu's texts: the seven help messages and the bug report.
namespace helptexts {

constexpr int MessageCount = 7;

struct HelpMessage {
    QString caption;
    QString text;
};

// Message 1..7 in the menu's order; empty for any other number.
HelpMessage message(int number);
// The box a help message shows in: question icon, OK.
Prompts::Box box(int number);

QString bugReportQuestion();
// The mailto: address a bug report opens, with its subject and body.
QString bugReportAddress();

} // namespace helptexts
