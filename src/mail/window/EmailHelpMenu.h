#pragma once
#include "context/Prompts.h"

#include <functional>

class QMenu;
class QWidget;

// The e-mail window's Help menu; each item hands its box to `show`.
QMenu* buildEmailHelpMenu(QWidget* parent, const std::function<void(const Prompts::Box&)>& show);
