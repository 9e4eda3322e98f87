#pragma once
// The photo of one slot kept decoded at about the slot's size while its page is on
// display, so that framing it by hand redraws just that slot many times a second
// without loading the file again. The drawing is the one the page uses, from fewer
// pixels; the page is rendered afresh once the framing is settled.

#include <QImage>
#include <QString>

#include "layout/Framing.h"

struct AppSettings;
struct SlotRecord;

class SlotPhotoCache {
public:
    // How many photo pixels the kept copy holds for every slot pixel at the automatic
    // fill: some room to zoom in before the preview turns coarse.
    static constexpr double kOversample = 2.0;

    // Loads the record's photo with the page's filters and keeps a copy of about the
    // slot's size. Reuses what it holds when it is the same file and slot size.
    bool prepare(const SlotRecord& record, const AppSettings& settings);
    bool holds(const SlotRecord& record) const;
    void clear();

    // Draws the slot of record with the framing into page (the kept page, top-down)
    // from the kept copy. False when nothing is kept for it.
    bool redraw(QImage& page, const SlotRecord& record, const Framing& framing) const;

    const QImage& held() const { return held_; }

private:
    QString file_;
    QSize slot_;
    int fullWidth_ = 0;
    int fullHeight_ = 0;
    QImage held_;
};
