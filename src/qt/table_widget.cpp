// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/table_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <map>

#include "qt/accessible.h"
#include "qt/label_widget.h"
#include "qt/twips.h"

namespace sumdart {

namespace {

class TableAccessible;

// One cell of the table: a body cell, or a header (row or column -1).
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  CellAccessible(TableAccessible* table, int row, int column) : table_(table), row_(row), column_(column) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override {
    if (row_ < 0) return QAccessible::ColumnHeader;
    if (column_ < 0) return QAccessible::RowHeader;
    return QAccessible::Cell;
  }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  // As a table cell.
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override;
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override;

 private:
  TableAccessible* table_;
  int row_, column_;
};

class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TableAccessible(TableWidget* w) : QAccessibleWidget(w, QAccessible::Table) {}
  ~TableAccessible() override {
    for (const auto& [index, id] : cells_) QAccessible::deleteAccessibleInterface(id);
  }

  TableWidget* view() const { return static_cast<TableWidget*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return view()->spokenName();
    return QAccessibleWidget::text(t);
  }

  // Children: the body cells row by row, then the column headers, then the row headers.
  int childCount() const override { return rowCount() * columnCount() + columnCount() + rowCount(); }
  QAccessibleInterface* child(int index) const override {
    const int body = rowCount() * columnCount();
    if (index < 0 || index >= childCount() || columnCount() == 0) return nullptr;
    if (index < body) return cell(index, index / columnCount(), index % columnCount());
    if (index < body + columnCount()) return cell(index, -1, index - body);
    return cell(index, index - body - columnCount(), -1);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* c = dynamic_cast<const CellAccessible*>(child);
    if (!c) return -1;
    const int body = rowCount() * columnCount();
    if (c->rowIndex() < 0) return body + c->columnIndex();
    if (c->columnIndex() < 0) return body + columnCount() + c->rowIndex();
    return c->rowIndex() * columnCount() + c->columnIndex();
  }
  QAccessibleInterface* focusChild() const override {
    if (view()->window()->focusWidget() != view() || view()->focusRow() < 0) return nullptr;
    return cellAt(view()->focusRow(), view()->focusColumn());
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  // As a table.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    return child(row * columnCount() + column);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override { return view()->cell(-1, column); }
  QString rowDescription(int row) const override { return view()->cell(row, -1); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return view()->columns(); }
  int rowCount() const override { return view()->rows(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  // Cells are made when first asked for and kept while the table lives: a
  // screen reader knows each by the id it was first given.
  QAccessibleInterface* cell(int index, int row, int column) const {
    auto found = cells_.find(index);
    if (found == cells_.end()) {
      auto* c = new CellAccessible(const_cast<TableAccessible*>(this), row, column);
      found = cells_.emplace(index, QAccessible::registerAccessibleInterface(c)).first;
    }
    return QAccessible::accessibleInterface(found->second);
  }
  mutable std::map<int, QAccessible::Id> cells_;
};

bool CellAccessible::isValid() const { return table_->isValid(); }
QWindow* CellAccessible::window() const { return table_->window(); }
QAccessibleInterface* CellAccessible::parent() const { return table_; }
QAccessibleInterface* CellAccessible::table() const { return table_; }
QString CellAccessible::text(QAccessible::Text t) const {
  return t == QAccessible::Name ? table_->view()->cell(row_, column_) : QString();
}
QRect CellAccessible::rect() const { return table_->rect(); }
QAccessible::State CellAccessible::state() const {
  QAccessible::State s;
  if (row_ >= 0 && column_ >= 0) {
    s.focusable = true;
    s.focused = table_->view()->hasFocus() && table_->view()->focusRow() == row_ && table_->view()->focusColumn() == column_;
  }
  return s;
}
QList<QAccessibleInterface*> CellAccessible::columnHeaderCells() const {
  if (row_ < 0) return {};
  return {table_->child(table_->rowCount() * table_->columnCount() + column_)};
}
QList<QAccessibleInterface*> CellAccessible::rowHeaderCells() const {
  if (column_ < 0) return {};
  return {table_->child(table_->rowCount() * table_->columnCount() + table_->columnCount() + row_)};
}

}  // namespace

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
  installAccessible<TableWidget, TableAccessible>();
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::TabFocus);
}

QString TableWidget::cell(int row, int column) const {
  if (columns_ < 2 || column >= columns() || row >= rows()) return QString();
  const auto index = static_cast<std::size_t>((row + 1) * columns_ + column + 1);
  return index < cells_.size() ? QString::fromStdString(cells_[index]) : QString();
}

void TableWidget::apply(const Ctl& c) {
  const QRect box = twipsRect(c.left, c.top, c.width, c.height);
  if (box != geometry()) setGeometry(box);
  // Zoomed with the window, like every control's font.
  const QFont font = LabelWidget::fontFor(c.font);
  if (this->font() != font) setFont(font);
  name_ = QString::fromStdString(c.spokenName);
  cells_ = c.cells;
  columns_ = c.columns;
  const bool moved = value_ != c.value;
  value_ = c.value;
  if (isHidden() == c.visible) setVisible(c.visible);
  if (moved && hasFocus()) tellFocus();
}

// Qt tells a screen reader that the table has the focus after this event;
// the focus on the cell follows that.
void TableWidget::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  QTimer::singleShot(0, this, [this] {
    if (hasFocus()) tellFocus();
  });
}

// The focus is on the table's cell, not on the table.
void TableWidget::tellFocus() {
  if (!QAccessible::isActive() || focusRow() < 0) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  QAccessibleTableInterface* grid = table ? table->tableInterface() : nullptr;
  QAccessibleInterface* cell = grid ? grid->cellAt(focusRow(), focusColumn()) : nullptr;
  if (!cell) return;
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(table->indexOfChild(cell));
  QAccessible::updateAccessibility(&event);
}

}  // namespace sumdart
