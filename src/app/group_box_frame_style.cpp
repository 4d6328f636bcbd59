#include "group_box_frame_style.h"

#include "png_pixmap.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

const QString kFusion = QStringLiteral("fusion");
// Fusion's own gap above the frame.
constexpr int kTopMargin = 3;

}  // namespace

GroupBoxFrameStyle::GroupBoxFrameStyle() : QProxyStyle(QStyleFactory::create(kFusion)) {}

// Fusion's geometry for the frame: below the title unless there is neither title nor check box.
void GroupBoxFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (frame_.isNull())
        frame_ = readPngPixmap(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    int topMargin = kTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        topMargin += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6),
                      frame_);
}

void useGroupBoxFrameStyle() {
    if (QApplication::style()->name().compare(kFusion, Qt::CaseInsensitive) == 0)
        QApplication::setStyle(new GroupBoxFrameStyle);
}
