// View, Shade in the main window on the offscreen platform: the choice, its legend over the
// map, the classes following the turn and the level, the item asked for, the profile.
#include "app/globals.h"
#include "base/messagetext.h"
#include "map/atlmap.h"
#include "map/shade.h"
#include "mapview/shadepaint.h"
#include "populatedframe.h"
#include "ui/choicedialog.h"
#include "vexlor/framewindow.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QtTest>

#include <map>

class ShadeTest : public QObject {
    Q_OBJECT

    PopulatedFrame window_;

    FrameWindow& Frame() { return window_.Frame(); }
    QWidget* MapWidget() { return window_.MapScroll(); }
    // The map on screen as it is painted now.
    QImage Screen() {
        QWidget* map = MapWidget();
        return map->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Whether the window's classes are the core's for the map and level on show.
    bool ShadesAsCore() {
        MapView& view = Frame().Map();
        ShadeMap expected =
            ShadeLevel(Frame().Document(), view.GetMap(), view.GetCurPlain(), view.GetShade(),
                       [](int id, std::initializer_list<std::string_view> args) {
                           return EnglishMessage(id, args);
                       });
        if (expected.Title() != view.ShadeClasses().Title() ||
            expected.ShadedCount() != view.ShadeClasses().ShadedCount())
            return false;
        bool same = true;
        for (int z : view.GetMap().ShownLevels())
            view.GetMap().GetPlain(z)->ForEachHex([&](const AtlCoord& c, const AtlHexData&) {
                same &= expected.ClassIndex(c) == view.ShadeClasses().ClassIndex(c);
            });
        return same;
    }
    static bool Holds(const QImage& image, const QRect& rect, GrafColor colour) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (image.pixel(x, y) == qRgb(colour.r, colour.g, colour.b)) return true;
        return false;
    }
    QRect LegendRect() {
        PixelRect r = Frame().Map().ShadeLegendRect();
        return QRect(r.left, r.top, r.Width(), r.Height());
    }

private slots:
    void initTestCase() { PopulatedFrame::LoadLanguage(); }
    void init() {
        window_.Open(2);
        ChoiceDialogScript::Reset();
    }
    void cleanup() { window_.Close(); }
    void cleanupTestCase() { PopulatedFrame::UnloadLanguage(); }

    void shadingByWagesShowsItsLegendFollowsTheTurnAndIsKept() {
        auto* entry = Frame().Widget()->findChild<QAction*>(QStringLiteral("cmd241"));
        QVERIFY(entry);
        QCOMPARE(qobject_cast<QMenu*>(entry->parent())->objectName(), QStringLiteral("Shade"));
        QVERIFY(Frame().IsCommandChecked(CM_VIEWSHADENONE));
        QVERIFY(LegendRect().isEmpty());
        MapView& view = Frame().Map();
        std::map<AtlCoord, GrafColor> unshaded;
        view.GetMap()
            .GetPlain(view.GetCurPlain())
            ->ForEachHex([&](const AtlCoord& c, const AtlHexData&) {
                if (auto colour = view.GetPainter().PatchColour(c)) unshaded[c] = *colour;
            });
        QVERIFY(!unshaded.empty());

        QVERIFY(Frame().EvCommand(CM_VIEWSHADEWAGES));
        QVERIFY(Frame().IsCommandChecked(CM_VIEWSHADEWAGES));
        QVERIFY(!Frame().IsCommandChecked(CM_VIEWSHADENONE));
        QCOMPARE(Profile.GetString("Options", "Shade", "", 64), Str("wages"));
        QVERIFY(ShadesAsCore());
        QCOMPARE(Frame().Map().ShadeClasses().ShadedCount(), size_t(3));
        // The minimap takes its colours from the painter: a shaded hex's patch is tinted as
        // the hex is, the others keep theirs.
        for (const auto& [c, colour] : unshaded) {
            const ShadeRow* row = view.ShadeClasses().ClassOf(c);
            QCOMPARE(view.GetPainter().PatchColour(c), row ? TintedColour(colour, *row) : colour);
        }

        // The legend stands in the map's bottom-left corner with a swatch of each class.
        QRect legend = LegendRect();
        QVERIFY(!legend.isEmpty());
        QVERIFY(MapWidget()->rect().contains(legend));
        QVERIFY(legend.left() < MapWidget()->width() / 4);
        QVERIFY(legend.bottom() > MapWidget()->height() * 3 / 4);
        QImage before = Screen();
        for (const ShadeRow& row : Frame().Map().ShadeClasses().Rows())
            QVERIFY2(Holds(before, legend, ShadeColour(row)), row.text.Get());
        // It stands in the window, not on the map: the map scrolls under it.
        Frame().Map().ScrollRight();
        Frame().Map().ScrollDown();
        QCoreApplication::processEvents();
        QCOMPARE(Screen().copy(legend), before.copy(legend));

        // Another turn, another level: the classes are made again for what is on show.
        Frame().EvCommand(CM_VIEWFIRSTTURN);
        QVERIFY(ShadesAsCore());
        QCOMPARE(Frame().Map().ShadeClasses().ShadedCount(), size_t(2));
        Frame().EvCommand(CM_VIEWPLAINUP); // the nexus has no wages
        QCOMPARE(Frame().Map().GetCurPlain(), 2);
        QCOMPARE(Frame().Map().ShadeClasses().ShadedCount(), size_t(0));
        QVERIFY2(!LegendRect().isEmpty(), "the legend says what the map is shaded by");

        // The next start shades the same way.
        window_.Reopen();
        QVERIFY(Frame().Map().GetShade() == (ShadeChoice{ShadeKey::Wages, ""}));
        QVERIFY(Frame().IsCommandChecked(CM_VIEWSHADEWAGES));
        QVERIFY(Frame().EvCommand(CM_VIEWSHADENONE));
        QVERIFY(LegendRect().isEmpty());
        QCOMPARE(Profile.GetString("Options", "Shade", "", 64), Str("none"));
    }

    void anItemIsChosenFromThoseTheTurnLists() {
        // Cancelled: the shading stays as it was.
        QVERIFY(Frame().EvCommand(CM_VIEWSHADEWEATHER));
        ChoiceDialogScript::PushAnswer(-1);
        QVERIFY(Frame().EvCommand(CM_VIEWSHADEITEM));
        QVERIFY(Frame().Map().GetShade() == (ShadeChoice{ShadeKey::Weather, ""}));
        QVERIFY(Frame().IsCommandChecked(CM_VIEWSHADEWEATHER));
        QVERIFY(!Frame().IsCommandChecked(CM_VIEWSHADEITEM));
        QCOMPARE(ChoiceDialogScript::History().size(), size_t(1));
        const std::vector<Str>& offered = ChoiceDialogScript::History()[0].choices;
        auto leaders =
            std::find(offered.begin(), offered.end(), Str("For sale: leaders [LEAD], price"));
        QVERIFY(leaders != offered.end());
        QVERIFY(std::find(offered.begin(), offered.end(), Str("Wanted: grain [GRAI], price")) !=
                offered.end());

        ChoiceDialogScript::PushAnswer(static_cast<int>(leaders - offered.begin()));
        QVERIFY(Frame().EvCommand(CM_VIEWSHADEITEM));
        QVERIFY(Frame().Map().GetShade() == (ShadeChoice{ShadeKey::Sale, "LEAD"}));
        QVERIFY(Frame().IsCommandChecked(CM_VIEWSHADEITEM));
        QVERIFY(!Frame().IsCommandChecked(CM_VIEWSHADEWEATHER));
        QCOMPARE(Profile.GetString("Options", "Shade", "", 64), Str("sale:LEAD"));
        QVERIFY(ShadesAsCore());
        QCOMPARE(Frame().Map().ShadeClasses().Title(), Str("For sale: leaders [LEAD], price"));
    }
};

QTEST_MAIN(ShadeTest)
#include "shade_test.moc"
