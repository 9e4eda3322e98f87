#include "layout/IndexSheets.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPen>
#include <cmath>

#include "core/AppServices.h"
#include "core/AppSettings.h"
#include "core/Seams.h"
#include "image/PhotoFilters.h"
#include "image/PhotoImage.h"
#include "imagelist/ImageList.h"
#include "layout/Canvas.h"
#include "layout/Decorations.h"
#include "layout/PageFonts.h"

const char* const IndexSheets::kMountPicture = ":/images/302.png";
const char* const IndexSheets::kMountLoadError = "Oops - internal image load error (IDR_NEGATIVE_FILM_STRIP)";

namespace {

// The maker's line under the credit.
const char* const kMakerNotice = "\u00a9 2024 Tarnwick";

// The label face; where it is not installed the plain sans face of the canvas stands in.
QFont labelFont(int cellHeight) {
    QFont f = fontWithCellHeight(QStringLiteral("Arial"), cellHeight, QFont::Bold);
    f.setFamilies({QStringLiteral("Arial New"), QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    return f;
}

// Text turned a quarter clockwise (running downwards) with the top of its cell at x and
// its middle at y: the glyphs lie left of x.
void drawTurnedLabel(QPainter& painter, int x, int y, const QString& text) {
    const QFontMetrics m(painter.font());
    painter.save();
    painter.translate(x, y);
    painter.rotate(90);
    painter.drawText(QPoint(-m.horizontalAdvance(text) / 2, m.ascent()), text);
    painter.restore();
}

// The frame number of grid-only sheets, turned like the labels and centred in the frame.
void drawTurnedNumber(QPainter& painter, const QRect& frame, const QString& text) {
    painter.save();
    painter.translate(frame.x() + frame.width(), frame.y());
    painter.rotate(90);
    painter.drawText(QRect(0, 0, frame.height(), frame.width()), Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

QRect shrunk(const QRect& r, int dx, int dy) {
    return QRect(r.x() + dx, r.y() + dy, r.width() - 2 * dx, r.height() - 2 * dy);
}

}  // namespace

QString indexSheetDateText(const QDateTime& when) {
    return QLocale::c().toString(when, QStringLiteral("ddd MMM dd hh:mm:ss yyyy"));
}

QString indexSheetHeaderText(const QDateTime& when, int resolution) {
    QString credit = QStringLiteral("Created with Snapvale ") + versionLine() + QStringLiteral(" on ") +
                     indexSheetDateText(when) + QLatin1Char('\n');
    credit += QLatin1Char(' ') + QString::fromUtf8(kMakerNotice);
    return credit + QStringLiteral(" \n") + productResolutionLine(resolution);
}

QString frameLabelName(const QString& path, int limit) {
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.size() > limit) name = name.left(std::max(0, limit - 3)) + QStringLiteral("...");
    return name;
}

QString frameLabelText(int listIndex, int photoWidth, int photoHeight, const QString& path, int limit) {
    const QChar bullet(0x2022);
    return QStringLiteral("#%1 %2 [%3x%4] %2 %5 %2 #%6A")
        .arg(listIndex)
        .arg(bullet)
        .arg(photoWidth)
        .arg(photoHeight)
        .arg(frameLabelName(path, limit))
        .arg(listIndex);
}

FilmArtwork filmArtworkFor(int frameCount) {
    switch (frameCount) {
        case 9:
            return {2, 22};
        case 16:
            return {2, 20};
        case 25:
            return {2, 16};
        case 36:
            return {1, 14};
        default:
            return {3, 25};
    }
}

std::vector<FilmHole> filmHoles(const QRect& cell, int e, int d) {
    std::vector<FilmHole> holes;
    if (d <= 0) return holes;
    const int cellHeight = cell.height();
    const int h = cellHeight / d;
    if (h - e + 1 <= 0) return holes;  // a cell too low for holes
    const double extra = double(cellHeight - d * h + e) / d;
    const int whiteWidth = int(15 * 0.7), blackWidth = int(15 * 0.4);
    for (int i = 0; i < d; ++i) {
        const int m = i == 0 ? int(extra) : int((h + extra) * i);
        const bool white = (i % 2) == 1;
        holes.push_back(
            {QRect(cell.x() + e, cell.y() + m, white ? whiteWidth : blackWidth, h - e + 1), white});
    }
    return holes;
}

QRect indexSheetCell(const PixelRect& sheet, int columns, int rows, int column, int row) {
    const double cw = double(sheet.width()) / columns;
    const double ch = double(sheet.height()) / rows;
    const double xRight = sheet.right - (columns - column) * cw;
    const double xLeft = xRight - cw;
    const double yTop = sheet.top + (row - 1) * ch;
    const double yBottom = yTop + ch;
    const int left = int(xLeft), top = int(yTop);
    return QRect(left, top, int(xRight) - 4 - left, int(yBottom) - top);
}

QRect filmPhotoRect(const QRect& frame) {
    return QRect(frame.x() + kFilmMargin, frame.y(), frame.width() - kFilmMargin, frame.height());
}

QRect slidePhotoRect(const QRect& frame) {
    return shrunk(frame, int(frame.width() * 0.085), int(frame.height() * 0.055));
}

bool frameTurnsPhoto(int pw, int ph, int rw, int rh, bool slides) {
    if (slides) return true;
    return (rw > rh && pw < ph) || (rw < rh && pw > ph);
}

std::vector<PhotoTarget> IndexSheets::plannedTargets(const IndexSheetPlacement& sheet) const {
    // One target a frame in fill order; the pass pairs them with the list's files.
    std::vector<PhotoTarget> targets;
    for (int column = sheet.columns; column >= 1; --column)
        for (int row = 1; row <= sheet.rows; ++row) {
            const QRect cell = indexSheetCell(sheet.sheetArea, sheet.columns, sheet.rows, column, row);
            const QRect photo = sheet.slides ? slidePhotoRect(cell) : filmPhotoRect(shrunk(cell, 5, 5));
            targets.push_back(PhotoTarget{std::max(0, photo.width()), std::max(0, photo.height()), false});
        }
    return targets;
}

void IndexSheets::drawSheet(RenderPass& pass, Canvas& canvas, const Template& tpl,
                            const IndexSheetPlacement& sheet) {
    const AppSettings& s = pass.settings();
    QPainter& painter = canvas.painter();
    if (sheet.columns <= 0 || sheet.rows <= 0) return;

    // The mount picture is loaded once for the whole sheet.
    PhotoImage mount;
    if (sheet.slides && !mount.LoadFile(mountPath_)) {
        if (pass.notifier()) pass.notifier()->plainOk(QString::fromLatin1(kMountLoadError));
        return;
    }

    painter.save();
    if (!s.PhotosOnly) {
        const PixelRect band =
            slotPixelRect(canvas.width(), canvas.height(), SlotMargins{0.1, 0.1, 0.1, 0.4}, 8.5, 11, false);
        painter.setFont(defaultTextFont(s.IndexTextHeight));
        painter.setPen(toQColor(s.LayoutGridColor));
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.drawText(QRect(band.left, band.top, band.width(), band.height()),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         indexSheetHeaderText(pass.clock().now(), s.PageResolution));
    }
    painter.restore();

    pass.announcePhotoTargets(plannedTargets(sheet));

    const Sheet look{sheet.slides, sheet.frameLabelLimit};
    const FilmArtwork art = filmArtworkFor(tpl.slotCount());
    bool more = true;
    for (int column = sheet.columns; column >= 1 && more; --column) {
        for (int row = 1; row <= sheet.rows; ++row) {
            const QRect cell = indexSheetCell(sheet.sheetArea, sheet.columns, sheet.rows, column, row);
            if (!sheet.slides) {
                if (!cell.isEmpty()) painter.fillRect(cell, toQColor(s.FilmStripBkgndCol));
                if (!more) continue;
                drawFilmArtwork(painter, cell, sheet.sheetArea, row == sheet.rows, art, s);
                more = fillFrame(pass, painter, shrunk(cell, 5, 5), pass.imageList().currentPhoto, look);
            } else {
                if (!more) break;
                if (!cell.isEmpty())
                    mount.DrawInto(&painter, cell.x(), cell.y(), cell.x() + cell.width(),
                                   cell.y() + cell.height());
                more = fillFrame(pass, painter, cell, pass.imageList().currentPhoto, look);
            }
        }
    }
}

void IndexSheets::drawFilmArtwork(QPainter& painter, const QRect& cell, const PixelRect& sheet, bool lastRow,
                                  const FilmArtwork& art, const AppSettings& s) {
    const int e = art.penWidth;
    const int left = cell.x(), right = cell.x() + cell.width();
    painter.save();
    painter.setPen(QPen(toQColor(s.FilmStripOutlineCol), e, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(left, sheet.top, left, sheet.bottom);
    painter.drawLine(left, sheet.top, right, sheet.top);
    painter.drawLine(right, sheet.top, right, sheet.bottom);
    if (lastRow) painter.drawLine(left, sheet.bottom, right, sheet.bottom);
    painter.restore();

    for (const FilmHole& hole : filmHoles(cell, e, art.holes))
        painter.fillRect(hole.rect, hole.white ? Qt::white : Qt::black);

    // The band the label runs down, cleared of the holes' neighbourhood.
    const QRect band(left + 15 + e, cell.y() + e, 15 - e, sheet.bottom - e - (cell.y() + e));
    if (!band.isEmpty()) painter.fillRect(band, toQColor(s.FilmStripBkgndCol));
}

bool IndexSheets::fillFrame(RenderPass& pass, QPainter& painter, const QRect& frame, const QString& fileName,
                            const Sheet& sheet) {
    AppSettings& s = pass.settings();
    pass.countSlot();
    const int slot = pass.loadedCount();

    painter.save();
    painter.setFont(labelFont(s.IndexTextHeight));
    painter.setPen(toQColor(sheet.slides ? s.LayoutGridColor : s.FilmTextColor));
    painter.setBackgroundMode(Qt::TransparentMode);
    const int labelX = frame.x() + (sheet.slides ? int(kFilmMargin * 0.8) : kFilmMargin);

    if (s.PhotoGridOnly) {
        drawTurnedNumber(painter, frame, QString::number(slot));
        painter.restore();
        return false;
    }

    SlotRecord* record = pass.slotTable().at(slot);
    if (record) record->fileName = fileName;

    if (fileName.size() > 3) {
        if (pass.status())
            pass.status()->setPaneText(
                0, QString::asprintf(QCoreApplication::translate("Status", "Loading photo (%d of %d) - %s")
                                         .toUtf8()
                                         .constData(),
                                     slot, pass.slotCount(), fileName.toUtf8().constData()));
        const QRect photoRect = sheet.slides ? slidePhotoRect(frame) : filmPhotoRect(frame);
        // A page too small for its frames still asks for a photo of no size, never a negative one.
        SuppliedPhoto supplied = pass.takePhoto(
            fileName, PhotoTarget{std::max(0, photoRect.width()), std::max(0, photoRect.height()), false});
        const int listIndex = pass.imageList().indexOf(fileName);
        if (supplied.photo) {
            pass.setIndicator(kLampLightGreen);
            const int pw = supplied.fullWidth, ph = supplied.fullHeight;
            if (record) {
                record->photoWidth = pw;
                record->photoHeight = ph;
                record->sizeText = QString::asprintf("[%d x %d]", pw, ph);
                record->listIndex = listIndex;
            }
            drawTurnedLabel(painter, labelX, frame.y() + frame.height() / 2,
                            frameLabelText(listIndex, pw, ph, fileName, sheet.labelLimit));
            if (record) {
                record->slotWidth = photoRect.width();
                record->slotHeight = photoRect.height();
            }

            PhotoImage& photo = *supplied.photo;
            bool turned = false;
            if (CxImage* raster = photo.Raster()) {
                ApplyPhotoFilters(photo, photoFilterSet(s));
                if (frameTurnsPhoto(pw, ph, photoRect.width(), photoRect.height(), sheet.slides))
                    turned = raster->RotateClockwise();
            }
            // Whole photos are drawn, so the fitted size is the full size as it lies.
            const int fw = turned ? ph : pw, fh = turned ? pw : ph;
            // A photo decoded at a reduced scale is placed by its full size, so it lands
            // on exactly the pixels the full decode would cover.
            const bool reduced = supplied.scale > 1 && photo.Raster();
            if (!photoRect.isEmpty()) {
                painter.fillRect(photoRect, sheet.slides ? QColor(Qt::white) : toQColor(s.FilmStripBkgndCol));
                if (reduced) {
                    const QRect at =
                        PhotoImage::FitRect(photoRect, fw, fh, true).translated(photoRect.topLeft());
                    if (!at.isEmpty())
                        photo.DrawSmooth(&painter, at.x(), at.y(), at.x() + at.width(), at.y() + at.height());
                } else {
                    photo.DrawFitted(&painter, photoRect);
                }
            }
            const bool low = isLowResolution(fw, fh, photoRect.width(), photoRect.height());
            if (record) {
                record->rotated = turned ? 1 : 0;
                record->fittedWidth = fw;
                record->fittedHeight = fh;
                record->resolutionDeficit = resolutionDeficit(fw, fh, photoRect.width(), photoRect.height());
                record->lowResolution = low ? 1 : 0;
            }
            if (low) {
                pass.setIndicator(kLampYellow);
                pass.markYellow();
            } else {
                pass.setIndicator(kLampDarkGreen);
            }

            // Only the logo picture marks index sheet photos, over the part the photo covers.
            if (!s.UseTextLogo && s.UseImageLogo && !photoRect.isEmpty()) {
                int dw = fw, dh = fh;
                if (!reduced) photo.GetPixelSize(dw, dh);
                const QRect covered =
                    PhotoImage::FitRect(photoRect, dw, dh, true).translated(photoRect.topLeft());
                AppSettings decor = s;
                if (sheet.slides)
                    decor.LogoLocation = 0;
                else if (turned)
                    decor.LogoLocation = turnedLogoLocation(s.LogoLocation);
                painter.save();
                DecorateSlot(painter, covered, turned, decor, sheet.slides);
                painter.restore();
            }
        } else {
            pass.setIndicator(kLampRed);
            pass.markRed();
            if (record) {
                record->failed = 1;
                record->listIndex = listIndex;
            }
            if (!photoRect.isEmpty()) drawPlaceholder(painter, photoRect);
        }
    }
    painter.restore();
    pass.advanceList();
    return true;
}
