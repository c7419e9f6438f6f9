#include "ui/resdialog.h"

#include "ui/dwindow.h"
#include "ui/qtext.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

constexpr int kCancel = 2;

// Pixels per dialog unit come from the dialog's font: a quarter of its average character
// width across, an eighth of its height down.
struct DialogUnits {
    explicit DialogUnits(const QFont& font) {
        QFontMetrics fm(font);
        const QString sample =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        baseX = (fm.horizontalAdvance(sample) / 26 + 1) / 2;
        baseY = fm.height();
    }
    int X(int units) const { return units * baseX / 4; }
    int Y(int units) const { return units * baseY / 8; }
    int baseX;
    int baseY;
};

} // namespace

QDialog* DResourceDialog::Build(const DWindow* parent) const {
    auto* dialog = new QDialog(parent ? parent->Widget() : nullptr);
    dialog->setObjectName(QStringLiteral("resourceDialog"));
    dialog->setWindowTitle(ToQt(template_.caption));
    QFont font(ToQt(template_.font), template_.pointSize);
    dialog->setFont(font);
    DialogUnits du(font);
    dialog->setFixedSize(du.X(template_.cx), du.Y(template_.cy));

    for (const ControlDef& c : template_.controls) {
        QRect place(du.X(c.x), du.Y(c.y), du.X(c.cx), du.Y(c.cy));
        if (c.kind == ControlDef::CText || c.kind == ControlDef::LText) {
            auto* label = new QLabel(ToQt(c.text), dialog);
            label->setAlignment((c.kind == ControlDef::CText ? Qt::AlignHCenter : Qt::AlignLeft) |
                                Qt::AlignTop);
            label->setGeometry(place);
        } else {
            auto* button = new QPushButton(ToQt(c.text), dialog);
            button->setObjectName(QStringLiteral("button%1").arg(c.id));
            button->setGeometry(place);
            button->setDefault(c.kind == ControlDef::DefPushButton);
            button->setAutoDefault(c.kind == ControlDef::DefPushButton);
            int id = c.id;
            QObject::connect(button, &QPushButton::clicked, dialog,
                             [dialog, id] { dialog->done(id); });
        }
    }
    return dialog;
}

int DResourceDialog::Execute(const DWindow* parent) {
    std::unique_ptr<QDialog> dialog(Build(parent));
    int result = dialog->exec();
    // QDialog answers 0 (rejected) for the close box and Escape.
    return result == QDialog::Rejected ? kCancel : result;
}
