#include "CLinkController.h"

#include "CComSetupDlg.h"
#include "CPowerDebugDlg.h"
#include "CProcessDlg.h"
#include "CVerifyDlg.h"
#include "GuiLinkHost.h"
#include "editors/ProductInfo.h"
#include "fleet/Verify.h"
#include "image/MemoryMap.h"
#include "link/PortNames.h"
#include "shell/Messages.h"
#include "shell/PersistedSettings.h"
#include "shell/ui/AppGlobals.h"
#include "shell/ui/MessageBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace zemtar::ui {

namespace {
// The port as the status lines name it: "com1 (/dev/ttyUSB0)", a stable path with the device
// it leads to now ("/dev/serial/by-id/usb-FTDI_... (/dev/ttyUSB2)"), or the path alone.
QString portLabel(const SerialLink& link)
{
    const QString device = ports::resolve(link.m_strPort, &g().setupIni);
    if (device != link.m_strPort)
        return QStringLiteral("%1 (%2)").arg(link.m_strPort, device);
    const QString real = QFileInfo(device).canonicalFilePath();
    return real.isEmpty() || real == device ? device : QStringLiteral("%1 (%2)").arg(device, real);
}

// Opens the link's port. A port the user may not open says what to do about it, and false
// then: that message stands for the general one about a port that cannot be opened. Otherwise
// true, the exchange saying itself when the port is not open.
bool openPort(SerialLink& link, QWidget* window)
{
    if (link.OpenPort(&g().setupIni) || link.failure().kind != OpenFailure::Kind::PermissionDenied)
        return true;
    appMessage(window, msg::portPermissionDenied(link.device(), g().lang()), QMessageBox::Ok, QMessageBox::Critical);
    return false;
}

// Asks for the radio's password (six characters at most) in the window's language; nothing
// when the user cancels.
std::optional<QByteArray> askRadioPassword(QWidget* parent)
{
    const bool zh = g().chinese;
    QDialog dlg(parent);
    dlg.setObjectName(QStringLiteral("radioPasswordDialog"));
    dlg.setWindowTitle(zh ? QString::fromUtf8("数据密码") : QStringLiteral("Data Password"));
    auto* text = new QLabel(zh ? QString::fromUtf8("电台的密码与本文件的不同。请输入电台的密码:")
                               : QStringLiteral("The radio's password differs from this document's. "
                                                "Enter the radio's password:"),
                            &dlg);
    text->setWordWrap(true);
    auto* edit = new QLineEdit(&dlg);
    edit->setObjectName(QStringLiteral("password"));
    edit->setMaxLength(int(map::kPassword.size));
    edit->setEchoMode(QLineEdit::Password);
    // One byte a character, as the radio holds it.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x{20}-\\x{ff}]*")), edit));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    translateButtons(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dlg);
    layout->addWidget(text);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    edit->setFocus();
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text().toLatin1();
}
} // namespace

CLinkController::CLinkController(Document doc, QObject* parent) : QObject(parent), doc_(std::move(doc))
{
    // The port chosen in Com Setup, in this run or an earlier one: a new window and the next
    // start of the program use the cable the dealer picked, as Com Setup shows it.
    const PersistedSettings reg = g().registry();
    const QString remembered = reg.text(QStringLiteral("Port"));
    const int com = reg.value(QStringLiteral("com")).value_or(1);
    m_link.m_strPort = !remembered.isEmpty() ? remembered : QStringLiteral("com%1").arg(com >= 1 && com <= 4 ? com : 1);
}

void CLinkController::openProcessDialog(bool writing, bool verifying)
{
    m_bWriteMode = writing;
    m_bVerifyMode = verifying;
    if (!m_pProcessDlg) {
        m_pProcessDlg = new CProcessDlg(doc_.window());
        connect(m_pProcessDlg, &CProcessDlg::startTransfer, this, &CLinkController::OnStartTransfer,
                Qt::QueuedConnection);
    }
    const bool zh = g().chinese;
    m_pProcessDlg->m_strCaption = verifying ? tr("Verify")
                                  : writing ? (zh ? QString::fromUtf8("写数据") : QStringLiteral("Write Data"))
                                            : (zh ? QString::fromUtf8("读数据") : QStringLiteral("Read Data"));
    if (m_pProcessDlg->isVisible())
        return; // the open window keeps its title
    focusBefore_ = QApplication::focusWidget();
    m_pProcessDlg->OnInitDialog();
    m_pProcessDlg->showVerifyChoice(writing);
    m_pProcessDlg->verifyBox()->setChecked(g().registry().value(QStringLiteral("VerifyAfterWrite")).value_or(0) != 0);
    m_pProcessDlg->show();
    m_pProcessDlg->raise();
}

void CLinkController::OnRead() { openProcessDialog(false); }
void CLinkController::OnVerify()
{
    doc_.commit();
    openProcessDialog(false, true);
}

bool CLinkController::verifyRadio(TransferEngine& engine)
{
    RadioImage back = doc_.image();
    lastOutcome_ = engine.read(back);
    if (lastOutcome_ != LinkOutcome::Success)
        return false;
    const QStringList diffs = fleet::differences(doc_.image(), back, productinfo::modelNames(g().setupIni), g().lang());
    emit statusText(diffs.isEmpty() ? tr("The radio on %1 holds exactly this document.").arg(portLabel(m_link))
                                    : tr("The radio on %1 differs from this document.").arg(portLabel(m_link)));
    verifyResult_ = diffs;
    return true;
}
void CLinkController::OnWrite()
{
    doc_.commit();
    openProcessDialog(true);
}

void CLinkController::OnStartTransfer()
{
    CProcessDlg* dlg = m_pProcessDlg;
    if (!dlg || running_)
        return;
    running_ = true;
    dlg->setRunning(true);
    doc_.commit();
    if (m_bWriteMode || m_bVerifyMode)
        doc_.store();
    const bool verifyAfter = m_bWriteMode && dlg->verifyBox()->isChecked();
    if (m_bWriteMode) {
        PersistedSettings reg = g().registry();
        reg.setValue(QStringLiteral("VerifyAfterWrite"), verifyAfter ? 1 : 0);
    }
    dlg->verifyBox()->setEnabled(false);
    GuiLinkHost host(dlg);
    host.cancelled = [dlg] { return dlg->m_bCancel; };
    host.onProgress = [dlg](int v, int max) { dlg->setProgress(v, max); };
    host.onStatus = [dlg](const QString& t) { dlg->setStatus(t); };
    host.onBlockProgress = [dlg](int block, int blocks, const QString& t) { dlg->setBlockProgress(block, blocks, t); };
    dlg->setStatus(tr("Port %1").arg(portLabel(m_link)));
    const bool opened = openPort(m_link, doc_.window());
    TransferEngine engine(m_link, host, g().lang());
    engine.setPortName(portLabel(m_link));
    if (!opened) {
        lastOutcome_ = LinkOutcome::PortFailed;
    } else if (m_bWriteMode) {
        lastOutcome_ = engine.write(doc_.image(), doc_.band());
        if (lastOutcome_ != LinkOutcome::Success && engine.wroteAnything())
            appMessage(doc_.window(), msg::partlyWritten(engine.rowsWritten(), TransferEngine::kWriteRows, g().lang()),
                       QMessageBox::Ok, QMessageBox::Warning);
        if (lastOutcome_ == LinkOutcome::Success)
            emit statusText(tr("Written to the radio on %1").arg(portLabel(m_link)));
        if (lastOutcome_ == LinkOutcome::Success && verifyAfter) {
            dlg->setStatus(tr("Verifying"));
            TransferEngine reader(m_link, host, g().lang());
            reader.setPortName(portLabel(m_link));
            if (openPort(m_link, doc_.window()))
                verifyRadio(reader);
            else
                lastOutcome_ = LinkOutcome::PortFailed;
        }
    } else if (m_bVerifyMode) {
        verifyRadio(engine);
    } else {
        // The document changes only when the whole memory has arrived.
        RadioImage image = doc_.image();
        lastOutcome_ = engine.read(image);
        if (lastOutcome_ == LinkOutcome::PasswordError) {
            // Once: the radio's own password, then the read again; a wrong one ends as before,
            // and the status line says why nothing was read.
            if (const auto password = askRadioPassword(dlg)) {
                image.setText(map::kPassword.offset, map::kPassword.size, *password);
                m_link.OpenPort(&g().setupIni);
                TransferEngine again(m_link, host, g().lang());
                again.setPortName(portLabel(m_link));
                lastOutcome_ = again.read(image);
                if (lastOutcome_ == LinkOutcome::PasswordError)
                    emit statusText(tr("Read stopped: the password entered is not the one of the radio on %1")
                                        .arg(portLabel(m_link)));
            } else {
                emit statusText(
                    tr("Read stopped: the radio on %1 has another password, none was entered").arg(portLabel(m_link)));
            }
        }
        if (lastOutcome_ == LinkOutcome::Success) {
            if (engine.identity().bandValid())
                radioBand_ = engine.identity().band();
            doc_.change(tr("Read from radio"), [&] {
                doc_.image() = image;
                doc_.refill();
            });
            const QString read =
                tr("Read from the radio on %1: %2 rows").arg(portLabel(m_link)).arg(TransferEngine::kProgressMax);
            const QString note = (doc_.bandNote ? doc_.bandNote() : QString());
            emit statusText(note.isEmpty() ? read : read + QStringLiteral(". ") + note);
        }
    }
    // A disturbed answer is a failed link too: the status line does not claim that nothing answered.
    if (lastOutcome_ == LinkOutcome::PortFailed)
        emit statusText(tr("Could not open %1").arg(portLabel(m_link)));
    else if (lastOutcome_ == LinkOutcome::CommFailure)
        emit statusText(tr("The link with the radio on %1 failed").arg(portLabel(m_link)));
    m_link.ClosePort();
    dlg->setRunning(false);
    dlg->hide();
    running_ = false;
    returnFocus();
    if (verifyResult_) {
        const QStringList diffs = *verifyResult_;
        verifyResult_.reset();
        CVerifyDlg result(diffs, m_link.m_strPort, doc_.window());
        result.exec();
    }
}

void CLinkController::returnFocus()
{
    // The keyboard goes back where it was before the transfer: to a control outside the table
    // as it was, and to the table at its current cell with that cell's editor open, so that
    // the first key typed lands there; not to whatever control the window system picks.
    QWidget* window = doc_.window ? doc_.window() : nullptr;
    if (window)
        window->activateWindow();
    QAbstractItemView* table = nullptr;
    if (auto* frame = qobject_cast<QWidget*>(parent()))
        table = frame->findChild<QAbstractItemView*>(QStringLiteral("channelGrid"));
    const bool inTable = focusBefore_ && table && (focusBefore_ == table || table->isAncestorOf(focusBefore_));
    if (focusBefore_ && focusBefore_->isVisible() && !inTable) {
        focusBefore_->setFocus();
        return;
    }
    if (doc_.focusTable)
        doc_.focusTable();
    else if (table)
        table->setFocus();
}

void CLinkController::OnComSetup()
{
    CComSetupDlg dlg(m_link, doc_.window());
    dlg.exec();
}

void CLinkController::OnPowerDebug(PowerCalibration::Kind kind)
{
    emit statusText(tr("Power adjustment on %1").arg(portLabel(m_link)));
    if (!openPort(m_link, doc_.window())) {
        emit statusText(tr("Could not open %1").arg(portLabel(m_link)));
        return;
    }
    GuiLinkHost host(doc_.window());
    PowerCalibration cal(m_link, host, kind);
    LinkOutcome entered = LinkOutcome::CommFailure;
    doc_.change(tr("Power value"), [&] { entered = cal.enter(doc_.image()); });
    if (entered != LinkOutcome::Success) {
        emit statusText(entered == LinkOutcome::PortFailed
                            ? tr("Could not open %1").arg(portLabel(m_link))
                            : tr("The link with the radio on %1 failed").arg(portLabel(m_link)));
        return;
    }
    CPowerDebugDlg dlg(cal, doc_.image().at(cal.parameters().imageOffset), portLabel(m_link), doc_.window());
    dlg.exec();
    m_link.ClosePort();
}

} // namespace zemtar::ui
