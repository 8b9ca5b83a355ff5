// The report-mode list view: no header, single selection, first-column highlight, full grid.
#include "gui_widgets.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace {

constexpr int RowPitch = 16;

class RowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        if (index.column() != 0) plain.state &= ~QStyle::State_Selected; // only the first column lights up
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), RowPitch};
    }
};

class ListView : public QTreeView {
  public:
    ListView(int number, QWidget* parent) : QTreeView(parent), number(number) {
        setModel(&rows);
        setItemDelegate(new RowDelegate(this));
        setHeaderHidden(true);
        setRootIsDecorated(false);
        setIndentation(0);
        setUniformRowHeights(true);
        setItemsExpandable(false);
        setSelectionMode(SingleSelection);
        setSelectionBehavior(SelectRows);
        setEditTriggers(NoEditTriggers);
        setAllColumnsShowFocus(false);
        setTextElideMode(Qt::ElideNone);
        header()->setStretchLastSection(false);
        header()->setMinimumSectionSize(0);
        // The platform's scroll bars never show; wheel and keys still scroll the rows.
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        viewport()->setMouseTracking(true);
        connect(selectionModel(), &QItemSelectionModel::selectionChanged,
                [this] { PushEvent({EventControl, WindowOfWidget(this), this->number, TypeSelectionChange}); });
    }
    QStandardItemModel rows;
    QColor grid = Qt::gray;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QTreeView::paintEvent(event);
        QPainter painter(viewport());
        painter.setPen(grid);
        int firstBottom = RowPitch - 1 - verticalOffset() % RowPitch;
        for (int y = firstBottom; y < viewport()->height(); y += RowPitch) painter.drawLine(0, y, viewport()->width(), y);
        for (int column = 0; column < header()->count(); ++column) {
            int x = header()->sectionViewportPosition(column) + header()->sectionSize(column) - 1;
            painter.drawLine(x, 0, x, viewport()->height());
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        QTreeView::mousePressEvent(event);
        if (!indexAt(event->position().toPoint()).isValid()) clearSelection();
        ReportPointerPress(this, number, event->button(), event->position().toPoint(), false);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QTreeView::mouseDoubleClickEvent(event);
        ReportPointerPress(this, number, event->button(), event->position().toPoint(), true);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QTreeView::mouseMoveEvent(event);
        ReportPointerMotion(this, number, event->buttons(), event->position().toPoint());
    }

  private:
    int number;
};

ListView* Find(int control) { return dynamic_cast<ListView*>(WidgetForControl(control)); }

} // namespace

void CreateListView(int control, ControlParent parent, int x, int y, int width, int height,
                    const std::string& firstColumnTitle, int firstColumnWidth) {
    QWidget* owner = ParentWidget(parent);
    if (!owner) return;
    auto* list = new ListView(control, owner);
    list->rows.setColumnCount(1);
    list->rows.setHorizontalHeaderLabels({ScreenText(firstColumnTitle)});
    list->setColumnWidth(0, firstColumnWidth);
    list->setGeometry(x, y, width, height);
    RegisterControl(control, parent.window, list);
    list->show();
}

void SetListViewColours(int control, Colour background, Colour text, Colour grid) {
    ListView* list = Find(control);
    if (!list) return;
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, QColorFrom(background));
    palette.setColor(QPalette::Window, QColorFrom(background));
    palette.setColor(QPalette::Text, QColorFrom(text));
    list->setPalette(palette);
    list->grid = QColorFrom(grid);
}

void InsertListColumn(int control, int position, const std::string& title, int width) {
    ListView* list = Find(control);
    if (!list) return;
    QList<int> widths;
    for (int column = 0; column < list->rows.columnCount(); ++column) widths << list->columnWidth(column);
    list->rows.insertColumn(position);
    list->rows.setHorizontalHeaderItem(position, new QStandardItem(ScreenText(title)));
    widths.insert(position, width);
    for (int column = 0; column < widths.size(); ++column) list->setColumnWidth(column, widths[column]);
}

int ListColumnWidth(int control, int column) {
    ListView* list = Find(control);
    return list && column < list->rows.columnCount() ? list->columnWidth(column) : 0;
}

int ListColumnCount(int control) {
    ListView* list = Find(control);
    return list ? list->rows.columnCount() : 0;
}

void AppendListRow(int control, const std::string& columnTexts) {
    ListView* list = Find(control);
    if (!list) return;
    QList<QStandardItem*> cells;
    std::size_t start = 0;
    for (int column = 0; column < list->rows.columnCount(); ++column) {
        std::size_t end = columnTexts.find('\n', start);
        std::string text = start == std::string::npos ? "" : columnTexts.substr(start, end == std::string::npos ? end : end - start);
        cells << new QStandardItem(ScreenText(text));
        start = end == std::string::npos ? end : end + 1;
    }
    list->rows.appendRow(cells);
}

void DeleteAllListRows(int control) {
    if (ListView* list = Find(control)) list->rows.removeRows(0, list->rows.rowCount());
}

int ListRowCount(int control) {
    ListView* list = Find(control);
    return list ? list->rows.rowCount() : 0;
}

int ListSelectedRow(int control) {
    ListView* list = Find(control);
    if (!list) return -1;
    QModelIndexList selected = list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void SelectListRow(int control, int row) {
    ListView* list = Find(control);
    if (!list) return;
    list->clearSelection();
    if (row < 0 || row >= list->rows.rowCount()) return;
    QModelIndex index = list->rows.index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index);
}

std::string ListCellText(int control, int row, int column) {
    ListView* list = Find(control);
    if (!list || row < 0 || row >= list->rows.rowCount() || column < 0 || column >= list->rows.columnCount()) return {};
    return ProgramText(list->rows.item(row, column)->text());
}
