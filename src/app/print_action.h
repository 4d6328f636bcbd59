#pragma once

class AppContext;
class QWidget;

// The Print button of a screen: prints an image of `window` and tells the user when
// it went to a PDF file instead, or what went wrong.
void printWindow(AppContext& context, QWidget& window);
