#pragma once
#include "CMSFlexGrid.h"
#include "channels/ChannelTable.h"
#include "link/PowerCalibration.h"
#include "link/SerialLink.h"
#include "link/TransferEngine.h"

#include <QWidget>

namespace zemtar::ui {

class CZemtarDoc;
class CProcessDlg;

// The channel table of one document: 128 channels and the "Fr" row in a grid, filled from the
// image and stored back into it with the channel table's rules.
class CZemtarView : public QWidget {
    Q_OBJECT
public:
    static constexpr long kBaseColumnWidthTwips = 1300; // column 0 before set-up

    explicit CZemtarView(CZemtarDoc* doc, QWidget* parent = nullptr);

    CZemtarDoc* GetDocument() const { return doc_; }
    CMSFlexGrid* grid() const { return grid_; }

    void OnInitialUpdate();
    void FillTableFromImage();
    void StoreTableIntoImage();
    // The table as text (what the grid shows).
    ChannelTable table() const;

    BandLimits bandLimits() const { return band_; }
    void setBandLimits(BandLimits b) { band_ = b; }
    // The scale applied to the screen: width / 1024 on screens wider than 800 pixels.
    double scale() const { return scale_; }

    SerialLink m_link;
    bool m_bWriteMode = false;
    CProcessDlg* processDialog() const { return m_pProcessDlg; }
    bool transferRunning() const { return running_; }

    // Commands of the radio link.
    void OnRead();
    void OnWrite();
    void OnStartTransfer();
    void OnComSetup();
    void OnPowerDebug(PowerCalibration::Kind kind);
    LinkOutcome lastOutcome() const { return lastOutcome_; }

signals:
    void mainCaptionChanged(const QString& caption);

private:
    void setUp();
    void scaleToScreen();

    CZemtarDoc* doc_;
    CMSFlexGrid* grid_;
    BandLimits band_;
    bool firstSetUp_ = true;
    CProcessDlg* m_pProcessDlg = nullptr;
    bool running_ = false;
    LinkOutcome lastOutcome_ = LinkOutcome::Success;
    void openProcessDialog(bool writing);
    double scale_ = 1.0;
};

} // namespace zemtar::ui
