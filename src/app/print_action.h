#pragma once

class AppContext;
class MessageBoxes;
class QWidget;
class WindowPrinter;

// The Print button of a screen: prints an image of `window` and tells the user when
// it went to a PDF file instead, or what went wrong.
void printWindow(WindowPrinter& printer, MessageBoxes& messages, QWidget& window);
void printWindow(AppContext& context, QWidget& window);
