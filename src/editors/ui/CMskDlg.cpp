#include "CMskDlg.h"

#include "editors/Settings.h"
#include "shell/ui/MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zemtar::ui {

CMskDlg::CMskDlg(RadioImage& image, Language lang, QWidget* parent) : CFieldDialog(image, lang, parent)
{
    setUp("mskDialog", QStringLiteral("MSK"), 162);
    id_ = bind(editors::mskIdPage());
    calls_ = bind(editors::mskCallListPage());

    auto* idRow = new QHBoxLayout;
    QWidget* idEdit = id_->make(0, this);
    idEdit->setMaximumWidth(90);
    idRow->addWidget(id_->label(0, this));
    idRow->addWidget(idEdit);
    idRow->addStretch();

    auto* group = new QGroupBox(tr("Call List"), this);
    std::vector<std::vector<int>> cells;
    for (int j = 0; j < editors::msk::kCallCount; ++j)
        cells.push_back({j});
    grid_ = calls_->makeGrid(cells, {tr("Num"), tr("Call List")}, group);
    grid_->setMinimumHeight(grid_->horizontalHeader()->height() + 9 * grid_->verticalHeader()->defaultSectionSize() +
                            4);
    auto* gl = new QVBoxLayout(group);
    gl->addWidget(grid_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    translateButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMskDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(idRow);
    layout->addWidget(group);
    layout->addWidget(buttons);
    resize(320, sizeHint().height());

    id_->load(image_);
    calls_->load(image_);
    idEdit->setFocus();
    // The cell editors come and go: the keys are screened for every widget of the dialog.
    qApp->installEventFilter(this);
}

bool CMskDlg::eventFilter(QObject* o, QEvent* e)
{
    // A character typed with Shift, Alt or AltGr held is dropped (Shift+A is not the letter
    // key the radio's own filter takes); Ctrl shortcuts such as Ctrl+V still work.
    if (e->type() == QEvent::KeyPress && o->isWidgetType() && isAncestorOf(static_cast<QWidget*>(o))) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (auto* edit = qobject_cast<QLineEdit*>(o); edit && k->matches(QKeySequence::Paste)) {
            // The whole clipboard is screened before the length cap cuts it.
            QString t = QApplication::clipboard()->text();
            int pos = 0;
            if (edit->validator())
                edit->validator()->validate(t, pos);
            edit->insert(t);
            return true;
        }
        const Qt::KeyboardModifiers m = k->modifiers();
        const bool typed = !k->text().isEmpty() && k->text().at(0).isPrint();
        if (typed && !(m & Qt::ControlModifier) && (m & (Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier)))
            return true;
    }
    return CFieldDialog::eventFilter(o, e);
}

void CMskDlg::accept()
{
    id_->store(image_);
    calls_->store(image_);
    QDialog::accept();
}

} // namespace zemtar::ui
