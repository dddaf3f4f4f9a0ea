#include "ui/qt/look.h"

#include <vector>

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace pet::qt {

namespace {

const QColor kBtnFace(0xD4, 0xD0, 0xC8);
const QColor kBtnShadow(0x80, 0x80, 0x80);
const QColor kHighlight(0x0A, 0x24, 0x6A);
const QColor kGradientActiveCaption(0xA6, 0xCA, 0xF0);

// A dot six pixels across in the middle of the mark's box, in the colour of
// the item's text.
void drawMenuDot(const QStyleOptionMenuItem& item, QPainter* p) {
    const QPalette::ColorGroup group = item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const QColor color = item.palette.color(group, item.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                       : QPalette::Text);
    const QPointF centre = QRectF(item.rect).center();
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(color);
    p->drawEllipse(QRectF(centre.x() - 3, centre.y() - 3, 6, 6));
    p->restore();
}

// The classic style, with pop-up hints 400 ms after the mouse comes to rest.
class PetStyle final : public QProxyStyle {
public:
    explicit PetStyle(QStyle* base) : QProxyStyle(base) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 400;
        if (hint == SH_ToolTip_FallAsleepDelay) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        // The mark of a radio menu item is a dot.
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == PE_IndicatorMenuCheckMark && item != nullptr && item->checkType == QStyleOptionMenuItem::Exclusive) {
            drawMenuDot(*item, painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        // Tabs as narrow as the classic ones, so that all four fit.
        if (metric == PM_TabBarTabHSpace) return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

QColor toQColor(TColor c) {
    if (isSystemColor(c)) {
        switch (c & 0xFF) {
            case 0x0F: return kBtnFace;
            case 0x10: return kBtnShadow;
            case 0x0D: return kHighlight;
            case 0x1B: return kGradientActiveCaption;
            default: return Qt::black;  // window text, button text
        }
    }
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QFont modelFont(FontFace face, int pixelHeight, bool bold) {
    // The window uses a handful of fonts; each is resolved once.
    struct Cached {
        FontFace face;
        int pixelHeight;
        bool bold;
        QFont font;
    };
    static std::vector<Cached> cache;
    for (const Cached& c : cache)
        if (c.face == face && c.pixelHeight == pixelHeight && c.bold == bold) return c.font;
    QFont f(face == FontFace::Comic ? QStringLiteral("Comic Sans MS") : QStringLiteral("MS Sans Serif"));
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    cache.push_back({face, pixelHeight, bold, f});
    return f;
}

void applyLook() {
    // The nearest free faces of the two fonts the window was designed with.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                                                 QStringLiteral("DejaVu Sans")});
    // The bubble's face must draw every remark alone: a casual, hand-lettered
    // face with Latin and Russian letters, digits and a real bold.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Fantasque Sans Mono"));

    QStyle* base = QStyleFactory::create(QStringLiteral("Windows"));
    if (base == nullptr) base = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(new PetStyle(base));

    QPalette p(kBtnFace);
    p.setColor(QPalette::Window, kBtnFace);
    p.setColor(QPalette::Button, kBtnFace);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Light, Qt::white);
    p.setColor(QPalette::Midlight, kBtnFace);
    p.setColor(QPalette::Mid, kBtnShadow);
    p.setColor(QPalette::Dark, kBtnShadow);
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, kHighlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    p.setColor(QPalette::ToolTipText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::WindowText, kBtnShadow);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, kBtnShadow);
    p.setColor(QPalette::Disabled, QPalette::Text, kBtnShadow);
    QApplication::setPalette(p);
    QApplication::setFont(modelFont(FontFace::Window, 11, false));
}

}  // namespace pet::qt
