#include "Dialogs.h"

#include "AppGlobals.h"
#include "HelpLauncher.h"

#include "shell/ui/MessageBox.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zemtar::ui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(g().languageValue(QStringLiteral("About Title")));
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    QIcon ico(g().appFile(QStringLiteral("title.ico")));
    if (ico.isNull())
        ico = QIcon(QStringLiteral(":/title.ico"));
    icon->setPixmap(ico.pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    top->addWidget(icon);
    auto* lines = new QVBoxLayout;
    for (const char* key : {"Version", "Copyrights", "Copyrights Owner"}) {
        auto* l = new QLabel(g().languageValue(QString::fromLatin1(key)), this);
        l->setObjectName(QString::fromLatin1(key));
        lines->addWidget(l);
    }
    top->addLayout(lines, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(340);
}

CLanguageDlg::CLanguageDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("languageDialog"));
    setWindowTitle(tr("Language"));
    auto* group = new QGroupBox(tr("Language"), this);
    english_ = new QRadioButton(QStringLiteral("English"), group);
    chinese_ = new QRadioButton(QString::fromUtf8("中文 (Chinese)"), group);
    english_->setObjectName(QStringLiteral("english"));
    chinese_->setObjectName(QStringLiteral("chinese"));
    auto* gl = new QVBoxLayout(group);
    gl->addWidget(english_);
    gl->addWidget(chinese_);
    (g().chinese ? chinese_ : english_)->setChecked(true);
    auto* note = new QLabel(tr("Zemtar starts again in the language you choose."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

bool CLanguageDlg::chinese() const { return chinese_->isChecked(); }

void CLanguageDlg::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_F1) {
        QWidget* f = focusWidget();
        help::show(this, f == english_ || f == chinese_ ? 32799 : 0);
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace zemtar::ui
