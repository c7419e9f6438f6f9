#include "ui/lineswindow.h"

#include "ui/qtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLineEdit* FilterOf(QWidget* window) {
    return window ? window->findChild<QLineEdit*>(QStringLiteral("linesFilter")) : nullptr;
}

QTextBrowser* TextOf(QWidget* window) {
    return window ? window->findChild<QTextBrowser*>(QStringLiteral("linesText")) : nullptr;
}

void MakeParts(QWidget* window) {
    auto* layout = new QVBoxLayout(window);
    auto* filter = new QLineEdit(window);
    filter->setObjectName(QStringLiteral("linesFilter"));
    filter->setPlaceholderText(WindowText(Msg::LinesPrompt));
    filter->setClearButtonEnabled(true);
    auto* text = new QTextBrowser(window);
    text->setObjectName(QStringLiteral("linesText"));
    text->setOpenLinks(false);
    auto* count = new QLabel(window);
    count->setObjectName(QStringLiteral("linesCount"));
    layout->addWidget(filter);
    layout->addWidget(text);
    layout->addWidget(count);
}

// Report text is Windows-1252.
QString Html(const Str& text, int from, int to) {
    return ReportToQt(std::string(text.Get() + from, static_cast<size_t>(to - from)).c_str())
        .toHtmlEscaped();
}

QString LineHtml(const DLinesWindow::Line& line) {
    QString html;
    int at = 0;
    for (const DLinesWindow::Link& link : line.links) {
        if (link.from < at || link.from + link.length > line.text.Length()) continue;
        html += Html(line.text, at, link.from);
        html += QStringLiteral("<a href=\"#%1\">").arg(link.target);
        html += Html(line.text, link.from, link.from + link.length);
        html += QStringLiteral("</a>");
        at = link.from + link.length;
    }
    html += Html(line.text, at, line.text.Length());
    return line.heading ? QStringLiteral("<b>") + html + QStringLiteral("</b>") : html;
}

} // namespace

DLinesWindow::DLinesWindow(DFrameWindow* frame, const char* caption, const Place& place,
                           Follow follow)
    : DDockPanel(frame, "linesPanel", caption, place), follow_(std::move(follow)) {
    MakeParts(Body());
    QObject::connect(FilterOf(Widget()), &QLineEdit::textChanged, Widget(), [this] { Refresh(); });
    QObject::connect(TextOf(Widget()), &QTextBrowser::anchorClicked, Widget(),
                     [this](const QUrl& url) {
                         bool ok = false;
                         int target = url.fragment().toInt(&ok);
                         if (ok && follow_) follow_(target);
                     });
}

void DLinesWindow::SetLines(std::vector<Line> lines) {
    lines_ = std::move(lines);
    Refresh();
}

void DLinesWindow::Open() {
    if (!Widget()) return;
    DDockPanel::Open();
    if (Widget()->isWindow()) Widget()->activateWindow(); // floating
    FilterOf(Widget())->setFocus();
    FilterOf(Widget())->selectAll();
}

void DLinesWindow::SetFilter(const char* text) {
    if (QLineEdit* filter = FilterOf(Widget())) filter->setText(ToQt(text));
}

Str DLinesWindow::GetFilter() const {
    QLineEdit* filter = FilterOf(Widget());
    return filter ? FromQt(filter->text()) : Str();
}

int DLinesWindow::GetShownCount() const {
    return static_cast<int>(shown_.size());
}

Str DLinesWindow::GetShownLine(int index) const {
    return index >= 0 && index < GetShownCount() ? shown_[static_cast<size_t>(index)]->text : Str();
}

void DLinesWindow::Refresh() {
    QTextBrowser* text = TextOf(Widget());
    if (!text) return;
    const QString filter = FilterOf(Widget())->text();
    shown_.clear();
    const Line* heading = nullptr;
    int found = 0;
    for (const Line& line : lines_) {
        if (filter.isEmpty()) {
            shown_.push_back(&line);
            continue;
        }
        if (line.heading) {
            heading = &line;
            continue;
        }
        if (!ReportToQt(line.text.Get()).contains(filter, Qt::CaseInsensitive)) continue;
        // Each heading once, above the first line found under it.
        if (heading) shown_.push_back(heading);
        heading = nullptr;
        shown_.push_back(&line);
        ++found;
    }
    // Spaces as the lines have them: reports indent, and some lists space their columns.
    QString html = QStringLiteral("<div style=\"white-space: pre-wrap\">");
    for (const Line* line : shown_)
        html += LineHtml(*line) + QStringLiteral("<br>");
    text->setHtml(html + QStringLiteral("</div>"));
    auto* count = Widget()->findChild<QLabel*>(QStringLiteral("linesCount"));
    count->setText(filter.isEmpty()
                       ? QString()
                       : FoundText(static_cast<size_t>(found), Msg::OneLine, Msg::SomeLines));
}
