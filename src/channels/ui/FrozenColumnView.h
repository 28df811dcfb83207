#pragma once
// The first columns of the grid kept in view while the grid scrolls sideways: a view over
// the same model and selection laid over the grid's left edge, shown only while those
// columns are scrolled out. A click on it scrolls the grid back and acts on the grid.
#include <QTableView>

namespace zemtar::ui {

class CMSFlexGrid;

class FrozenColumnView : public QTableView {
    Q_OBJECT
public:
    FrozenColumnView(CMSFlexGrid* grid, int columns);

    int frozenWidth() const;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void follow();

    CMSFlexGrid* grid_;
    int columns_;
};

} // namespace zemtar::ui
