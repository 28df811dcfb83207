#pragma once
// The printed report: which sections it has, how many pages each takes, which page is which,
// and every page drawn as calls on an abstract canvas in twips (1/1440 inch, y negative
// downwards from the top of the printable area). A QPainter canvas draws them on a printer, in
// the preview and into PDF files.
#include "channels/ChannelTable.h"
#include "image/RadioImage.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace zemtar::report {

// The five sections of the radio's settings and channels, then the page of the whole radio
// (model, band, side key, the file and the date printed) a dealer hands a customer with them.
enum Section : int { Dtmf, Msk, Optional, TwoTone, Channels, Radio, SectionCount };
using Selection = std::array<bool, SectionCount>;

// The section titles of the PrintList dialog's check boxes, in the window's language (the
// whole-radio box's text is the dialog's own).
QString sectionCheckText(int section, Language lang = Language::English);
// The dialog's defaults: Optional and Channel Info; the whole-radio page is asked for.
Selection defaultSelection();

inline constexpr int kChannelsPerPage = 5;

struct Layout {
    Selection on{};
    std::array<int, SectionCount> pages{}; // of every section, selected or not
    int total = 0;                         // pages of the selected sections
    int beforeChannels = 0;                // printed pages ahead of the channel section
    int channelCount = 0;                  // used rows of the channel table
    // Page k of the channel section covers rows channelEnds[k - 1] + 1 .. channelEnds[k];
    // one entry more than there are channel pages.
    std::vector<int> channelEnds;
};

Layout paginate(const Selection& on, const ChannelTable& table);

enum class PageKind { Dtmf, Msk, Optional, TwoToneDecode, TwoToneEncode, Channels, Radio };
struct PageRef {
    PageKind kind = PageKind::Optional;
    int channelPage = 0; // 1-based, for Channels
};
// The page printed as page p (1-based) of the job.
PageRef pageAt(const Layout& layout, int p);

struct Font {
    int height = 0; // character height in twips
    int width = 0;  // average character width in twips
    friend bool operator==(const Font&, const Font&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    // Text height plus external leading of a font, in twips.
    virtual int lineHeight(const Font& font) = 0;
    virtual void setFont(const Font& font) = 0;
    // Text whose cell's top edge lies at y.
    virtual void text(int x, int y, const QString& text) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};

struct Input {
    const RadioImage* image = nullptr;
    const ChannelTable* table = nullptr; // the channel table's texts, in `lang`
    Language lang = Language::English;
    QString owner; // "Copyrights Owner" of the settings file, for the footer
    int widthTwips = 0;
    int heightTwips = 0;
    // For the whole-radio page: the model names of Setup.ini (the image's radio type indexes
    // them), the name the document is known by and when the report is printed.
    QStringList models;
    QString fileName;
    QDateTime printed;
};

// Draws page p of the job: the frame (rules and footer) and the page of its section.
void drawPage(Canvas& canvas, const Layout& layout, int p, const Input& in);

} // namespace zemtar::report
