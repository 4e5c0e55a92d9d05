#pragma once

class QWidget;

// Places a window in the middle of its screen.
void centerWindow(QWidget* window);
