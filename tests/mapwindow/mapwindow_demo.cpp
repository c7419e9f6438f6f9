// The map view and the description pane side by side on the reports given (or a document),
// for looking at them and taking screenshots:
//   mapwindow_demo [--size WxH] [--plain 0|1] REPORT... | DOC.atl
#include "descrview/descrtreeview.h"
#include "map/formatmap.h"
#include "mapwindow/mapwindow.h"
#include "model/docfile.h"
#include "tests/support/reportdoc.h"

#include <QApplication>
#include <QSplitter>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

class DemoWindow : public DWindow, public MapViewHost {
public:
    explicit DemoWindow(VexlorDoc& doc) : DWindow(new QSplitter), doc_(doc) {
        map_ = std::make_unique<MapView>(this, *this);
        descr_ = std::make_unique<DescrTreeView>(this);
        auto* splitter = static_cast<QSplitter*>(Widget());
        splitter->setStretchFactor(0, 3);
        splitter->setStretchFactor(1, 2);
        SetCaption("Vexlor map view");
    }
    const VexlorDoc& GetDoc() const override { return doc_; }
    DescrTreeView* GetDescrTV() override { return descr_.get(); }
    MapView& Map() { return *map_; }

private:
    VexlorDoc& doc_;
    std::unique_ptr<MapView> map_;
    std::unique_ptr<DescrTreeView> descr_;
};

bool EndsWith(const std::string& s, const char* end) {
    size_t n = std::strlen(end);
    return s.size() >= n && s.compare(s.size() - n, n, end) == 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int width = 1200, height = 760, plain = 0;
    std::vector<std::string> reports;
    std::string docPath;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--size") && i + 1 < argc)
            std::sscanf(argv[++i], "%dx%d", &width, &height);
        else if (!std::strcmp(argv[i], "--plain") && i + 1 < argc)
            plain = std::atoi(argv[++i]);
        else if (EndsWith(argv[i], ".atl"))
            docPath = argv[i];
        else
            reports.push_back(argv[i]);
    }
    VexlorDoc doc;
    if (!docPath.empty() && OpenDocFile(doc, docPath.c_str()) != DocRead) {
        std::fprintf(stderr, "mapwindow_demo: cannot open %s\n", docPath.c_str());
        return 1;
    }
    std::string shown = AddReports(doc, reports);
    if (!shown.empty()) std::fprintf(stderr, "%s", shown.c_str());

    DemoWindow window(doc);
    if (doc.LastTurn()) FormatMap(doc, window.Map().GetMap(), doc.LastTurn()->date);
    window.Map().SetCurPlain(plain);
    window.Resize(width, height);
    window.Show(SW_SHOWNORMAL);
    return app.exec();
}
