#pragma once

#include <QPixmap>
#include <QProxyStyle>

// Fusion, whose group box frame would read its image by guessing the format and so
// load every image plugin during the first frame; this draws the same frame from
// the same image read as the PNG it is.
class GroupBoxFrameStyle : public QProxyStyle {
public:
    GroupBoxFrameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    mutable QPixmap frame_;
};

// Takes the place of the application's style when that is Fusion; any other stays.
void useGroupBoxFrameStyle();
