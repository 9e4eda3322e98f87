// Trim marks between the prints of a sheet: where they go and where they must never go.

#include "layout/CutMarks.h"

#include <gtest/gtest.h>

#include "core/AppSettings.h"
#include "layout/PageSetup.h"
#include "layout/TemplateCatalogue.h"

namespace {

QRect toRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

struct PlannedPage {
    PagePlan plan;
    QRect canvas;
    std::vector<QRect> marks;
};

PlannedPage planFor(const QString& name, int resolution, int top = 0, int bottom = 0) {
    AppSettings s;
    if (top)
        chooseHalfPageStyles(s, nullptr, top, bottom);
    else
        chooseFullPageTemplate(s, nullptr, name);
    choosePageResolution(s, nullptr, resolution);
    PlannedPage p;
    PlacementContext context = PlacementContext::fromSettings(s);
    context.canvasWidth = s.CanvasWidth;
    context.canvasHeight = s.CanvasHeight;
    p.plan = planPage(context);
    p.canvas = QRect(0, 0, s.CanvasWidth, s.CanvasHeight);
    p.marks = cutMarksForPlan(p.plan, p.canvas, resolution);
    return p;
}

int photoSlots(const PagePlan& plan) {
    int n = 0;
    for (const PlacedSlot& s : plan.slots) n += s.outlineOnly ? 0 : 1;
    return n;
}

// A mark continues one of the print's edge lines: it shares the print's top or bottom
// row band and lies beside it, or its left or right column band and lies above or below.
bool continuesAnEdge(const QRect& m, const std::vector<QRect>& prints) {
    for (const QRect& p : prints) {
        const bool beside = m.right() < p.left() || m.left() > p.right();
        const bool aboveOrBelow = m.bottom() < p.top() || m.top() > p.bottom();
        if (beside && (m.top() == p.top() || m.bottom() == p.bottom())) return true;
        if (aboveOrBelow && (m.left() == p.left() || m.right() == p.right())) return true;
    }
    return false;
}

}  // namespace

TEST(CutMarks, EveryMultiPrintTemplateGetsMarksOutsideAllItsSlots) {
    struct Page {
        QString name;
        int top = 0, bottom = 0;
    };
    std::vector<Page> pages;
    for (const Template& t : fullPageTemplates())
        if (t.kind == TemplateKind::Slots) pages.push_back({t.name});
    pages.push_back({QStringLiteral("half 126 over 130"), 126, 130});
    pages.push_back({QStringLiteral("half 133 over 133"), 133, 133});

    int multiPrint = 0;
    for (const Page& page : pages) {
        for (int dpi : {100, 300}) {
            const PlannedPage p = planFor(page.name, dpi, page.top, page.bottom);
            SCOPED_TRACE(page.name.toStdString() + " at " + std::to_string(dpi));
            if (photoSlots(p.plan) < 2) {
                EXPECT_TRUE(p.marks.empty());
                continue;
            }
            ++multiPrint;
            EXPECT_FALSE(p.marks.empty());
            std::vector<QRect> prints;
            for (const PlacedSlot& s : p.plan.slots)
                if (!s.outlineOnly) prints.push_back(toRect(s.rect));
            for (const QRect& m : p.marks) {
                EXPECT_TRUE(p.canvas.contains(m)) << m.x() << "," << m.y();
                for (const PlacedSlot& s : p.plan.slots)
                    EXPECT_FALSE(m.intersects(toRect(s.rect)))
                        << "mark over a slot at " << m.x() << "," << m.y();
                EXPECT_TRUE(continuesAnEdge(m, prints)) << m.x() << "," << m.y();
            }
        }
    }
    EXPECT_GT(multiPrint, 20);
}

TEST(CutMarks, MarksFollowTheGutterBetweenTwoPrints) {
    const CutMarkStyle style{10, 3, 2};  // 10 long, 3 away from the corner, 2 thick
    const QRect canvas(0, 0, 400, 200);
    const QRect left(50, 50, 100, 100);  // columns 50..149
    struct Case {
        const char* what;
        int gutter;            // columns between the prints
        int expectedRightEnd;  // last column of the mark from the left print's top-right corner; -1: none
    };
    const Case cases[] = {
        {"wide gutter: the whole mark", 40, 149 + 3 + 10},
        {"gutter shorter than the mark: cut one column before the neighbour", 8, 149 + 8},
        {"gutter no wider than the offset: no mark", 3, -1},
        {"prints touching: no mark", 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect right(150 + c.gutter, 50, 100, 100);
        const std::vector<QRect> prints = {left, right};
        const std::vector<QRect> marks = cutMarkRects(prints, prints, canvas, style);
        // The mark along the left print's top edge, heading right, starts 3 past its corner.
        const QRect* found = nullptr;
        for (const QRect& m : marks)
            if (m.top() == 50 && m.left() == 153) found = &m;
        if (c.expectedRightEnd < 0) {
            EXPECT_EQ(found, nullptr);
        } else {
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->right(), c.expectedRightEnd);
            EXPECT_EQ(found->height(), 2);
        }
        // Above the top-left corner the margin is free whatever the gutter: a vertical
        // mark on the print's first columns, ending 3 rows above it.
        EXPECT_NE(std::find(marks.begin(), marks.end(), QRect(50, 50 - 13, 2, 10)), marks.end());
        for (const QRect& m : marks)
            for (const QRect& p : prints) EXPECT_FALSE(m.intersects(p));
    }
}

TEST(CutMarks, AMarkStopsAtTheFirstPhotoItMeetsAndNeverContinuesBeyondIt) {
    const CutMarkStyle style{30, 2, 1};
    const QRect canvas(0, 0, 300, 300);
    const QRect print(100, 100, 50, 50);
    // A thin outlined strip 10 columns right of the print, level with its top edge.
    const QRect strip(160, 95, 4, 20);
    const std::vector<QRect> marks = cutMarkRects({print}, {print, strip}, canvas, style);
    for (const QRect& m : marks) {
        EXPECT_FALSE(m.intersects(strip));
        // Nothing of the top-edge mark lies beyond the strip.
        if (m.top() == 100 && m.left() > print.right()) {
            EXPECT_EQ(m.right(), 159);
        }
    }
    // A mark that would leave the canvas is cut at its edge.
    const std::vector<QRect> atEdge = cutMarkRects({QRect(10, 10, 50, 50)}, {}, canvas, style);
    for (const QRect& m : atEdge) EXPECT_TRUE(canvas.contains(m));
    EXPECT_NE(std::find(atEdge.begin(), atEdge.end(), QRect(0, 10, 8, 1)), atEdge.end());
}

TEST(CutMarks, StyleGrowsWithTheResolution) {
    for (int dpi : {100, 200, 300, 400}) {
        const CutMarkStyle s = CutMarkStyle::forResolution(dpi);
        EXPECT_NEAR(s.length * 8.0 / dpi, 1.0, 0.05) << dpi;  // an eighth of an inch
        EXPECT_GE(s.thickness, 1);
        EXPECT_GT(s.offset, 0);
        EXPECT_LT(s.offset, s.length);
    }
    EXPECT_GT(CutMarkStyle::forResolution(400).thickness, CutMarkStyle::forResolution(100).thickness);
}
