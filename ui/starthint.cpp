#include "ui/starthint.h"

#include "ui/qtext.h"

#include <QEvent>
#include <QLabel>

#include <utility>

namespace {

// The card in the middle of the window it stands over, a little above its centre.
void Centre(QWidget* card) {
    QWidget* over = card->parentWidget();
    if (!over) return;
    card->adjustSize();
    card->move((over->width() - card->width()) / 2, (over->height() - card->height()) / 3);
}

// Keeps it there as that window changes size.
class Centring : public QObject {
public:
    Centring(QWidget* over, QLabel* card) : QObject(card), over_(over), card_(card) {
        over->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == over_ && event->type() == QEvent::Resize) Centre(card_);
        return false;
    }

private:
    QWidget* over_;
    QLabel* card_;
};

QLabel* MakeCard(QWidget* over) {
    auto* card = new QLabel(over);
    card->setObjectName(QStringLiteral("startHint"));
    card->setTextFormat(Qt::RichText);
    card->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    card->setAutoFillBackground(true);
    card->setMargin(16);
    card->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    card->hide();
    return card;
}

} // namespace

DStartHint::DStartHint(DWindow* over, std::function<void(unsigned command)> run)
    : DWindow(MakeCard(over->Widget())) {
    auto* card = static_cast<QLabel*>(Widget());
    new Centring(over->Widget(), card);
    QObject::connect(card, &QLabel::linkActivated, card,
                     [run = std::move(run)](const QString& link) {
                         bool ok = false;
                         unsigned command = link.section(':', 1).toUInt(&ok);
                         if (ok && run) run(command);
                     });
}

void DStartHint::SetLines(const Str& title, const std::vector<Line>& lines) {
    auto* card = static_cast<QLabel*>(Widget());
    if (!card) return;
    QString html = QStringLiteral("<p><b>%1</b></p>").arg(ToQt(title).toHtmlEscaped());
    for (const Line& line : lines) {
        if (line.link.IsEmpty()) {
            html += QStringLiteral("<p>%1</p>").arg(ToQt(line.rest).toHtmlEscaped());
            continue;
        }
        html += QStringLiteral("<p><a href=\"command:%1\">%2</a> %3</p>")
                    .arg(line.command)
                    .arg(ToQt(line.link).toHtmlEscaped(), ToQt(line.rest).toHtmlEscaped());
    }
    card->setText(html);
    Centre(card);
}

void DStartHint::SetShown(bool shown) {
    if (QWidget* card = Widget()) {
        card->setVisible(shown);
        if (shown) card->raise();
    }
}
