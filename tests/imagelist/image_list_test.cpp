#include <gtest/gtest.h>

#include <QStringList>
#include <random>

#include "imagelist/ImageList.h"

namespace {
ImageList listOf(std::initializer_list<const char*> paths) {
    ImageList l;
    for (const char* p : paths) l.append(QString::fromUtf8(p));
    return l;
}
}  // namespace

TEST(ImageListTake, ForwardWrapsThroughNoCursor) {
    ImageList l = listOf({"/a.jpg", "/b.jpg", "/c.jpg"});
    l.setCursor(2);
    EXPECT_TRUE(l.takeNext());
    EXPECT_EQ(l.currentPhoto, "/c.jpg");
    EXPECT_EQ(l.cursor(), ImageList::kNoCursor);  // ran off the end
    EXPECT_FALSE(l.takeNext());                   // wrapped: first entry, flag false
    EXPECT_EQ(l.currentPhoto, "/a.jpg");
    EXPECT_EQ(l.cursor(), 1);
}

TEST(ImageListTake, BackwardRunsOffTheFrontThenTakesTheLast) {
    ImageList l = listOf({"/a.jpg", "/b.jpg", "/c.jpg"});
    l.setDirection(ImageList::Direction::Backward);
    l.setCursor(0);
    EXPECT_TRUE(l.takeNext());
    EXPECT_EQ(l.currentPhoto, "/a.jpg");
    EXPECT_EQ(l.cursor(), ImageList::kNoCursor);
    EXPECT_FALSE(l.takeNext());
    EXPECT_EQ(l.currentPhoto, "/c.jpg");
    EXPECT_EQ(l.cursor(), 1);
}

TEST(ImageListTake, EmptyListEmptiesTheCurrentPhoto) {
    ImageList l;
    l.currentPhoto = "/old.jpg";
    EXPECT_FALSE(l.takeNext());
    EXPECT_TRUE(l.currentPhoto.isEmpty());
    EXPECT_EQ(l.cursor(), ImageList::kNoCursor);
}

TEST(ImageListSeek, EqualIgnoringCaseElseFirstEntry) {
    ImageList l = listOf({"/p/a.jpg", "/p/B.jpg", "/p/b.jpg", "/p/c.jpg"});
    l.seek("/P/b.JPG");
    EXPECT_EQ(l.cursor(), 1);  // the first equal entry
    EXPECT_EQ(l.indexOf("/p/b.jpg"), 2);
    l.seek("/p/missing.jpg");
    EXPECT_EQ(l.cursor(), 0);
    EXPECT_EQ(l.indexOf("/p/missing.jpg"), 0);

    l.setCursor(3);
    l.seek(QString());  // an empty path changes nothing
    EXPECT_EQ(l.cursor(), 3);
    EXPECT_EQ(l.indexOf(QString()), 0);
    l.seekResume(QString());  // an empty resume photo means the first entry
    EXPECT_EQ(l.cursor(), 0);
    l.seekResume("/p/C.jpg");
    EXPECT_EQ(l.cursor(), 3);

    ImageList empty;
    empty.seekResume(QString());
    empty.seek("/p/a.jpg");
    EXPECT_EQ(empty.cursor(), ImageList::kNoCursor);
}

TEST(ImageListSort, CaseInsensitiveStableAndCursorKeepsItsPosition) {
    ImageList l =
        listOf({"/p/photoB.jpg", "/p/Photo_1.jpg", "/p/X.jpg", "/p/photoa.JPG", "/p/x.jpg", "/p/a.jpg"});
    l.setCursor(1);
    l.sort();
    // Letters compare as lower case, so '_' sorts before them; equal paths keep their order.
    const std::vector<QString> expected = {"/p/a.jpg",      "/p/Photo_1.jpg", "/p/photoa.JPG",
                                           "/p/photoB.jpg", "/p/X.jpg",       "/p/x.jpg"};
    EXPECT_EQ(l.entries(), expected);
    EXPECT_EQ(l.cursor(), 1);
    EXPECT_EQ(l.entries()[1], "/p/Photo_1.jpg");
}

TEST(ImageListSort, SameOrderAsTheNeighbourExchangeSort) {
    // Random names from a small alphabet, so that many differ only in case, mixed
    // with non-ASCII letters that take the slower comparison.
    const QStringList pieces = {"a", "A", "b", "B", "_", "1", ".", "é", "É", "ß", "z", "Z"};
    std::mt19937 rng(42);
    for (int round = 0; round < 200; ++round) {
        ImageList l;
        std::vector<QString> reference;
        const int n = 1 + int(rng() % 40);
        for (int i = 0; i < n; ++i) {
            QString name = "/p/";
            const int len = 1 + int(rng() % 4);
            for (int k = 0; k < len; ++k) name += pieces[int(rng() % pieces.size())];
            l.append(name);
            reference.push_back(name);
        }
        // Passes to the last unsorted position, exchanging neighbours when the first is greater.
        for (std::size_t last = reference.size(); last > 1; --last) {
            bool exchanged = false;
            for (std::size_t i = 0; i + 1 < last; ++i) {
                if (QString::compare(reference[i], reference[i + 1], Qt::CaseInsensitive) > 0) {
                    std::swap(reference[i], reference[i + 1]);
                    exchanged = true;
                }
            }
            if (!exchanged) break;
        }
        l.sort();
        ASSERT_EQ(l.entries(), reference) << "round " << round;
    }
}

TEST(ImageListPage, BeginPageTakesTheCursorWhenTheCurrentPhotoIsUnknown) {
    ImageList l = listOf({"/a.jpg", "/b.jpg", "/c.jpg"});
    l.setDirection(ImageList::Direction::Backward);
    l.setCursor(1);
    l.currentPhoto = "/elsewhere.jpg";
    l.beginPage();
    EXPECT_EQ(l.currentPhoto, "/b.jpg");
    EXPECT_EQ(l.selectedStartPhoto, "/b.jpg");
    EXPECT_EQ(l.pageFirstPhoto, "/b.jpg");
    EXPECT_EQ(l.cursor(), 2);  // forward, whatever the direction

    // A known current photo stays and only marks the page's start.
    l.currentPhoto = "/a.jpg";
    l.beginPage();
    EXPECT_EQ(l.pageFirstPhoto, "/a.jpg");
    EXPECT_EQ(l.cursor(), 2);

    // No cursor: the first entry.
    l.currentPhoto.clear();
    l.setCursor(ImageList::kNoCursor);
    l.beginPage();
    EXPECT_EQ(l.currentPhoto, "/a.jpg");
    EXPECT_EQ(l.cursor(), 1);
}

TEST(ImageListEntries, DuplicatesAreKeptAndClearForgetsTheCursor) {
    ImageList l;
    l.append("/a.jpg");
    l.append("/a.jpg");
    EXPECT_EQ(l.count(), 2);
    l.setCursor(1);
    l.clear();
    EXPECT_TRUE(l.isEmpty());
    EXPECT_EQ(l.cursor(), ImageList::kNoCursor);
    l.setCursor(0);  // nothing to point at
    EXPECT_EQ(l.cursor(), ImageList::kNoCursor);
}
