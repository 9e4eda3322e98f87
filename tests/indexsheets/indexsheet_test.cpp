// Index sheets drawn by the real pass: where photos land, what the records say, the
// strip artwork, the header, grid-only pages, turning and the logo's corner.

#include <QPainter>

#include "IndexSheetFixture.h"

namespace {

const QString kFilm9 = QStringLiteral("Index Sheet (Negative Strip) - 9 Prints");
const QString kFilm16 = QStringLiteral("Index Sheet (Negative Strip) - 16 Prints");
const QString kFilm36 = QStringLiteral("Index Sheet (Negative Strip) - 36 Prints");
const QString kSlides6 = QStringLiteral("Index Sheet (3D Slides) - 6 Prints");

QPoint centreOf(const QRect& r) {
    return QPoint(r.x() + r.width() / 2, r.y() + r.height() / 2);
}

// A photo whose top rows are red and the rest blue, so its turn shows on the page.
QString writeTopMarkedPhoto(const QString& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, width, height / 5, Qt::red);
    return image.save(path, "PNG") ? path : QString();
}

}  // namespace

class IndexSheetTest : public IndexSheetFixture {
protected:
    // The smallest rectangle (exclusive right and bottom) inside `within` holding the colour.
    QRect boundsOf(QRgb colour, const QRect& within) const {
        int l = INT_MAX, t = INT_MAX, r = INT_MIN, b = INT_MIN;
        for (int y = within.y(); y < within.y() + within.height(); ++y)
            for (int x = within.x(); x < within.x() + within.width(); ++x)
                if (pixel(x, y) == colour) {
                    l = std::min(l, x), t = std::min(t, y);
                    r = std::max(r, x + 1), b = std::max(b, y + 1);
                }
        return l == INT_MAX ? QRect() : QRect(l, t, r - l, b - t);
    }
    long count(QRgb colour, const QRect& within) const {
        long n = 0;
        for (int y = within.y(); y < within.y() + within.height(); ++y)
            for (int x = within.x(); x < within.x() + within.width(); ++x) n += pixel(x, y) == colour;
        return n;
    }
};

TEST_F(IndexSheetTest, ColumnsFillFromTheRightAndRowsTopDown) {
    const std::vector<QColor> colours = {QColor(200, 30, 30),  QColor(30, 200, 30),  QColor(30, 30, 200),
                                         QColor(200, 200, 30), QColor(30, 200, 200), QColor(200, 30, 200),
                                         QColor(120, 60, 10),  QColor(10, 120, 60),  QColor(60, 10, 120)};
    solidPhotos(colours);
    choose(kFilm9);
    ASSERT_TRUE(render());
    for (int i = 0; i < 9; ++i) {
        const QRect c = cell(3, 3, 3 - i / 3, i % 3 + 1);
        EXPECT_EQ(colourAt(centreOf(filmPhotoArea(c))), rgbOf(colours[size_t(i)])) << "photo " << i + 1;
        const SlotRecord& r = pass->slotTable()[i + 1];
        EXPECT_EQ(r.fileName, list.entries()[size_t(i)]);
        EXPECT_EQ(r.listIndex, i + 1);
        EXPECT_EQ(r.sizeText, QStringLiteral("[60 x 60]"));
        // Square photos are never turned, and the whole photo is the fitted size.
        EXPECT_EQ(r.rotated, 0);
        EXPECT_EQ(r.fittedWidth, 60);
        EXPECT_EQ(r.slotWidth, filmPhotoArea(c).width());
        EXPECT_EQ(r.slotHeight, filmPhotoArea(c).height());
        EXPECT_EQ(r.lowResolution, 1);  // 60 pixels stretched over a frame
    }
    EXPECT_EQ(fakes.status.indicators.last(), QStringLiteral("LED_YELLOW"));
    EXPECT_EQ(fakes.status.panes[0].last(), QStringLiteral("9 photos loaded (1 - 9) from disk: /photos/"));
}

TEST_F(IndexSheetTest, ThirtySixFramesOverTenPhotosRepeatTheList) {
    std::vector<QColor> colours;
    for (int i = 0; i < 10; ++i) colours.push_back(QColor(20 * i, 100, 200 - 15 * i));
    solidPhotos(colours, QSize(8, 6));
    choose(kFilm36);
    ASSERT_TRUE(render());
    ASSERT_EQ(pass->loadedCount(), 36);
    for (int slot = 1; slot <= 36; ++slot) {
        EXPECT_EQ(pass->slotTable()[slot].fileName, list.entries()[size_t((slot - 1) % 10)]) << slot;
        EXPECT_EQ(pass->slotTable()[slot].listIndex, (slot - 1) % 10 + 1) << slot;
    }
    // The next page starts with the photo after the 36th frame's.
    EXPECT_EQ(list.currentPhoto, list.entries()[6]);
    EXPECT_EQ(fakes.status.panes[0].last(), QStringLiteral("36 photos loaded (1 - 6) from disk: /photos/"));
}

TEST_F(IndexSheetTest, FrameLabelsShortenLongNamesToTheLimit) {
    const QString name40 = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789.jpg");
    ASSERT_EQ(name40.size(), 40);
    // The 16-frame sheet's limit is 20: 17 characters and "...".
    EXPECT_EQ(frameLabelName(QStringLiteral("/home/me/photos/") + name40, 20),
              QStringLiteral("abcdefghijklmnopq..."));
    EXPECT_EQ(frameLabelName(QStringLiteral("/p/exactly-twenty.jpg"), 20),
              QStringLiteral("exactly-twenty.jpg"));
    EXPECT_EQ(frameLabelName(QStringLiteral("/p/") + name40.left(20), 20), name40.left(20));
    EXPECT_EQ(frameLabelName(QStringLiteral("/p/") + name40.left(21), 20), name40.left(17) + "...");
    EXPECT_EQ(frameLabelName(QStringLiteral("/p/sunset.jpg"), 5), QStringLiteral("su..."));
    const QString label = frameLabelText(12, 4000, 3000, QStringLiteral("/p/") + name40, 20);
    EXPECT_EQ(label, QStringLiteral("#12 \u2022 [4000x3000] \u2022 abcdefghijklmnopq... \u2022 #12A"));
}

TEST_F(IndexSheetTest, HeaderCarriesTheDateAndResolution) {
    const QDateTime when(QDate(2004, 12, 7), QTime(3, 10, 47));
    EXPECT_EQ(indexSheetDateText(when), QStringLiteral("Tue Dec 07 03:10:47 2004"));
    const QString header = indexSheetHeaderText(when, 300);
    EXPECT_TRUE(header.startsWith(
        QStringLiteral("Created with Snapvale [v 02.52.15] on Tue Dec 07 03:10:47 2004\n")));
    EXPECT_TRUE(header.endsWith(QStringLiteral(" \nSnapvale (snapvale.example) - Page Resolution 300 DPI")));
    EXPECT_EQ(header.count(QLatin1Char('\n')), 2);
}

TEST_F(IndexSheetTest, GridOnlyNumbersTheFirstFrameAndStopsAfterItsColumn) {
    solidPhotos({Qt::red, Qt::green, Qt::blue});
    choose(kFilm16);
    settings.PhotoGridOnly = 1;
    settings.FilmTextColor = rgbColor(255, 255, 0);
    ASSERT_TRUE(render());
    const QRgb film = rgbOf(settings.FilmStripBkgndCol), number = rgbOf(settings.FilmTextColor);
    EXPECT_EQ(pass->loadedCount(), 1);
    EXPECT_TRUE(pass->slotTable()[1].fileName.isEmpty());
    EXPECT_FALSE(fakes.status.panes[0].join('\n').contains(QStringLiteral("Loading photo")));

    const QRect first = cell(4, 4, 4, 1);
    EXPECT_GT(count(number, first.adjusted(5, 5, -5, -5)), 0);
    EXPECT_GT(count(qRgb(0, 0, 0) & 0xffffff, QRect(first.x() + 4, first.y(), 2, first.height())),
              0);  // holes
    for (int row = 2; row <= 4; ++row) {
        // Film background only: no number, no holes, no label band.
        const QRect c = cell(4, 4, 4, row).adjusted(3, 3, -3, -3);
        EXPECT_EQ(count(film, c), long(c.width()) * c.height()) << "row " << row;
    }
    // No further column is begun.
    for (int column = 1; column <= 3; ++column)
        for (int row = 1; row <= 4; ++row)
            EXPECT_EQ(colourAt(centreOf(cell(4, 4, column, row))), 0xffffffu) << column << "," << row;
}

TEST_F(IndexSheetTest, PhotosOnlyDropsTheHeaderButKeepsTheStrips) {
    solidPhotos({Qt::red});
    choose(kFilm16);
    const QRect headerBand(0, 0, settings.CanvasWidth, sheetArea().y() - 3);
    ASSERT_TRUE(render());
    EXPECT_GT(headerBand.width() * headerBand.height() - count(0xffffff, headerBand), 100);

    settings.PhotosOnly = 1;
    ASSERT_TRUE(render());
    EXPECT_EQ(count(0xffffff, headerBand), long(headerBand.width()) * headerBand.height());
    const QRect c = cell(4, 4, 4, 1);
    EXPECT_GT(count(0, QRect(c.x() + 4, c.y(), 2, c.height())), 0);           // black holes
    EXPECT_GT(count(0xffffff, QRect(c.x() + 4, c.y(), 8, c.height())), 0);    // white holes
    EXPECT_EQ(colourAt(centreOf(filmPhotoArea(c))), rgbOf(QColor(Qt::red)));  // the photo
}

// Holes of one cell: d holes, pen width e; hole i starts at trunc(extra) for i = 0 and
// at trunc((h + extra) * i) after, h - e + 1 high; odd holes white and 10 wide, even
// ones black and 6 wide.
// Lines along the sheet's top edge are drawn again for every later cell of a column,
// so in the top row the first rows of the first hole lie under the pen.
void expectHoles(const QImage& page, const QRect& c, int e, int d, int sheetTop) {
    const int h = c.height() / d;
    const double extra = (c.height() - d * h + e) / double(d);
    const int x = c.x() + e + 2, wideX = c.x() + e + 8;
    for (int i = 0; i < d; ++i) {
        const int top = c.y() + (i == 0 ? int(extra) : int((h + extra) * i));
        const int bottom = top + h - e + 1;  // exclusive
        const QRgb colour = i % 2 ? 0xffffff : 0;
        SCOPED_TRACE(testing::Message() << "hole " << i << " at " << top);
        EXPECT_EQ(page.pixel(x, std::max(top, sheetTop + e)) & 0xffffff, colour);
        EXPECT_EQ(page.pixel(x, bottom - 1) & 0xffffff, colour);
        if (bottom < c.y() + c.height()) {
            EXPECT_NE(page.pixel(x, bottom) & 0xffffff, colour);
        }
        if (top > c.y() && top > sheetTop + e) {
            EXPECT_NE(page.pixel(x, top - 1) & 0xffffff, colour);
        }
        EXPECT_EQ((page.pixel(wideX, top + 1) & 0xffffff) == 0xffffff, colour == 0xffffff);
    }
}

TEST_F(IndexSheetTest, HolesSitWhereTheStripFormulaPutsThem) {
    std::vector<QColor> colours(10, QColor(90, 140, 90));
    solidPhotos(colours, QSize(6, 8));
    choose(kFilm9);
    ASSERT_TRUE(render());
    {
        SCOPED_TRACE("9 frames, top right");
        expectHoles(page, cell(3, 3, 3, 1), 2, 22, sheetArea().y());
    }
    {
        SCOPED_TRACE("9 frames, bottom left");
        expectHoles(page, cell(3, 3, 1, 3), 2, 22, sheetArea().y());
    }
    choose(kFilm36);
    ASSERT_TRUE(render());
    {
        SCOPED_TRACE("36 frames, top right");
        expectHoles(page, cell(6, 6, 6, 1), 1, 14, sheetArea().y());
    }
    {
        SCOPED_TRACE("36 frames, bottom left");
        expectHoles(page, cell(6, 6, 1, 6), 1, 14, sheetArea().y());
    }
}

TEST_F(IndexSheetTest, SlideSheetsTurnEveryPhotoFilmSheetsOnlyToLieLikeTheFrame) {
    list.clear();
    for (const QSize s : {QSize(200, 200), QSize(300, 200), QSize(200, 300)})
        list.append(writeTopMarkedPhoto(path(QStringLiteral("m%1x%2.png").arg(s.width()).arg(s.height())),
                                        s.width(), s.height()));
    choose(kSlides6);
    ASSERT_TRUE(render());
    for (int slot = 1; slot <= 3; ++slot) {
        const SlotRecord& r = pass->slotTable()[slot];
        EXPECT_EQ(r.rotated, 1) << slot;
        EXPECT_EQ(r.fittedWidth, r.photoHeight) << slot;
        EXPECT_EQ(r.fittedHeight, r.photoWidth) << slot;
    }
    // Turned clockwise, the square photo's red top lies on the right.
    const QRect frame = cell(2, 3, 2, 1);
    const QRect photoArea = frame.adjusted(int(frame.width() * 0.085), int(frame.height() * 0.055),
                                           -int(frame.width() * 0.085), -int(frame.height() * 0.055));
    const QRect red = boundsOf(qRgb(255, 0, 0) & 0xffffff, photoArea);
    const QRect blue = boundsOf(qRgb(0, 0, 255) & 0xffffff, photoArea);
    ASSERT_FALSE(red.isEmpty());
    ASSERT_FALSE(blue.isEmpty());
    EXPECT_EQ(red.x(), blue.x() + blue.width());
    EXPECT_EQ(red.height(), blue.height());

    // Film frames are portrait: only the landscape photo turns.
    list.seek(list.entries().front());
    list.currentPhoto.clear();
    choose(kFilm9);
    ASSERT_TRUE(render());
    EXPECT_EQ(pass->slotTable()[1].rotated, 0);
    EXPECT_EQ(pass->slotTable()[2].rotated, 1);
    EXPECT_EQ(pass->slotTable()[2].fittedWidth, 200);
    EXPECT_EQ(pass->slotTable()[2].fittedHeight, 300);
    EXPECT_EQ(pass->slotTable()[3].rotated, 0);
}

TEST_F(IndexSheetTest, LogoCornerFollowsTheTurnOnFilmAndSitsBottomLeftOnSlides) {
    QImage logo(20, 12, QImage::Format_RGB32);
    logo.fill(QColor(0, 255, 0));
    ASSERT_TRUE(logo.save(path(QStringLiteral("logo.png")), "PNG"));
    settings.LogoFileName = path(QStringLiteral("logo.png"));
    settings.UseImageLogo = 1;
    settings.LogoLocation = 1;  // bottom right as the person sees the photo
    const QRgb green = qRgb(0, 255, 0) & 0xffffff, blue = qRgb(0, 0, 255) & 0xffffff;
    solidPhotos({Qt::blue, Qt::blue}, QSize(300, 200));

    choose(kFilm9);
    ASSERT_TRUE(render());
    ASSERT_EQ(pass->slotTable()[1].rotated, 1);
    const QRect area = filmPhotoArea(cell(3, 3, 3, 1));
    QRect photo = boundsOf(blue, area), mark = boundsOf(green, area);
    ASSERT_FALSE(mark.isEmpty());
    // Turned with the photo, and in the work rectangle's top right (10 pixels off its right edge).
    EXPECT_EQ(mark.size(), QSize(12, 20));
    EXPECT_EQ(mark.y(), photo.y() + 5);
    EXPECT_EQ(mark.x() + mark.width(), photo.x() + photo.width() - 10 - 5);
    EXPECT_EQ(settings.LogoLocation, 1);

    list.seek(list.entries().front());
    list.currentPhoto.clear();
    choose(kSlides6);
    ASSERT_TRUE(render());
    const QRect frame = cell(2, 3, 2, 1);
    photo = boundsOf(blue, frame);
    mark = boundsOf(green, frame);
    ASSERT_FALSE(mark.isEmpty());
    EXPECT_EQ(mark.size(), QSize(12, 20));
    EXPECT_EQ(mark.x(), photo.x() + 5);
    EXPECT_EQ(mark.y() + mark.height(), photo.y() + photo.height() - 10 - 5);
    EXPECT_EQ(settings.LogoLocation, 1);

    // The text watermark never marks index sheets, and it keeps the logo off too.
    settings.UseTextLogo = 1;
    settings.LogoTextColorref = rgbColor(255, 0, 0);
    list.seek(list.entries().front());
    list.currentPhoto.clear();
    ASSERT_TRUE(render());
    EXPECT_EQ(count(green, frame), 0);
    EXPECT_EQ(count(qRgb(255, 0, 0) & 0xffffff, frame), 0);
}

TEST_F(IndexSheetTest, FailedAndShortNamesKeepTheirFramesAndTheListMoves) {
    list.clear();
    list.append(writeFile(QStringLiteral("broken.jpg"), QByteArray("not a picture at all")));
    list.append(QStringLiteral("abc"));
    list.append(writeSolidPhoto(path(QStringLiteral("good.png")), 40, 40, Qt::green));
    choose(kFilm9);
    ASSERT_TRUE(render());
    const QRgb film = rgbOf(settings.FilmStripBkgndCol);
    const SlotRecord& failed = pass->slotTable()[1];
    EXPECT_EQ(failed.failed, 1);
    EXPECT_EQ(failed.listIndex, 1);
    EXPECT_NE(colourAt(centreOf(filmPhotoArea(cell(3, 3, 3, 1)))), film);  // the placeholder
    const SlotRecord& shortName = pass->slotTable()[2];
    EXPECT_EQ(shortName.fileName, QStringLiteral("abc"));
    EXPECT_EQ(shortName.failed, 0);
    EXPECT_EQ(shortName.photoWidth, 0);
    EXPECT_EQ(colourAt(centreOf(filmPhotoArea(cell(3, 3, 3, 2)))), film);
    EXPECT_EQ(colourAt(centreOf(filmPhotoArea(cell(3, 3, 3, 3)))), rgbOf(QColor(Qt::green)));
    EXPECT_EQ(pass->slotTable()[3].listIndex, 3);
    EXPECT_EQ(pass->loadedCount(), 9);
    EXPECT_EQ(fakes.status.indicators.last(), QStringLiteral("LED_RED"));
}

TEST_F(IndexSheetTest, FiguresComeFromTheFullSizePhoto) {
    // A large JPEG in a small frame may be decoded at a fraction of its size; what the
    // records say is the photo's own size.
    list.clear();
    list.append(writeTestPhoto(path(QStringLiteral("big.jpg")), 2400, 1600, 3));
    ASSERT_FALSE(list.entries().front().isEmpty());
    choose(kFilm36);
    ASSERT_TRUE(render());
    const SlotRecord& r = pass->slotTable()[1];
    EXPECT_EQ(r.photoWidth, 2400);
    EXPECT_EQ(r.photoHeight, 1600);
    EXPECT_EQ(r.sizeText, QStringLiteral("[2400 x 1600]"));
    EXPECT_EQ(r.rotated, 1);
    EXPECT_EQ(r.fittedWidth, 1600);
    EXPECT_EQ(r.fittedHeight, 2400);
    EXPECT_EQ(r.lowResolution, 0);
    EXPECT_LT(r.resolutionDeficit, -1000);  // far more pixels than the frame
}

TEST_F(IndexSheetTest, MissingMountPictureLeavesAWhitePage) {
    solidPhotos({Qt::red});
    drawer.setMountPicturePath(path(QStringLiteral("no-such-mount.png")));
    choose(kSlides6);
    ASSERT_TRUE(render());
    ASSERT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(fakes.notifier.shown[0].text,
              QStringLiteral("Oops - internal image load error (IDR_NEGATIVE_FILM_STRIP)"));
    EXPECT_EQ(count(0xffffff, QRect(0, 0, page.width(), page.height())), long(page.width()) * page.height());
    EXPECT_EQ(pass->loadedCount(), 0);

    // Film sheets need no mount.
    choose(kFilm9);
    ASSERT_TRUE(render());
    EXPECT_EQ(fakes.notifier.shown.size(), 1u);
    EXPECT_EQ(pass->loadedCount(), 9);
}
