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

int DStatusBar::AddTextGadget(int chars) {
    auto* bar = static_cast<QStatusBar*>(Widget());
    if (!bar) return -1;
    int index = static_cast<int>(bar->findChildren<QLabel*>().size());
    auto* label = new QLabel(bar);
    label->setObjectName(QStringLiteral("gadget%1").arg(index));
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setMinimumWidth(QFontMetrics(label->font()).averageCharWidth() * chars);
    bar->addWidget(label);
    return index;
}

void DStatusBar::SetText(int gadget, const char* text) {
    if (QLabel* label = Gadget(Widget(), gadget)) label->setText(ToQt(text));
}

Str DStatusBar::GetText(int gadget) const {
    QLabel* label = Gadget(Widget(), gadget);
    return label ? FromQt(label->text()) : Str();
}

int DStatusBar::GetHeight() const {
    return Widget() ? Widget()->sizeHint().height() : 0;
}
