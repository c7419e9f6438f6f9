#include "ui/statusbar.h"

#include "ui/qtext.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

namespace {

QLabel* Gadget(QWidget* bar, int index) {
    if (!bar || index < 0) return nullptr;
    return bar->findChild<QLabel*>(QStringLiteral("gadget%1").arg(index));
}

} // namespace

DStatusBar::DStatusBar(DWindow* parent, const char* name)
    : DWindow(new QStatusBar(parent ? parent->ClientWidget() : nullptr)) {
    auto* bar = static_cast<QStatusBar*>(Widget());
    bar->setObjectName(ToQt(name));
    bar->setSizeGripEnabled(false);
}

int DStatusBar::AddTextGadget(int chars, bool stretch) {
    auto* bar = static_cast<QStatusBar*>(Widget());
    if (!bar) return -1;
    int index = static_cast<int>(bar->findChildren<QLabel*>().size());
    auto* label = new QLabel(bar);
    label->setObjectName(QStringLiteral("gadget%1").arg(index));
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    int width = QFontMetrics(label->font()).averageCharWidth() * chars;
    if (stretch)
        label->setMinimumWidth(width);
    else
        label->setFixedWidth(width);
    bar->addWidget(label, stretch ? 1 : 0);
    return index;
}

void DStatusBar::SetText(int gadget, const char* text) {
    if (QLabel* label = Gadget(Widget(), gadget)) {
        label->setText(ToQt(text));
        // A field keeps its width: the whole text shows as its tip.
        label->setToolTip(label->text());
    }
}

Str DStatusBar::GetText(int gadget) const {
    QLabel* label = Gadget(Widget(), gadget);
    return label ? FromQt(label->text()) : Str();
}

int DStatusBar::GetHeight() const {
    return Widget() ? Widget()->sizeHint().height() : 0;
}
