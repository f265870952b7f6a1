#include "controls/DataSetGridModel.h"

#include "data/DataSet.h"

DataSetGridModel::DataSetGridModel(QList<Column> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
}

void DataSetGridModel::moveTo(DataSet &dataSet, int row)
{
    if (!dataSet.active() || row < 0 || row >= dataSet.recordCount() || row == dataSet.recNo())
        return;
    if (row > dataSet.recNo() || dataSet.uniDirectional()) {
        if (row < dataSet.recNo())
            dataSet.first();
        while (dataSet.recNo() < row && !dataSet.eof())
            dataSet.next();
    } else {
        while (dataSet.recNo() > row)
            dataSet.prior();
    }
}

void DataSetGridModel::reload(DataSet &dataSet)
{
    beginResetModel();
    m_cells.clear();
    m_values.clear();
    m_fieldNames.clear();
    if (dataSet.active() && !dataSet.isEmpty()) {
        const QList<Field *> fields = dataSet.fields();
        for (const Field *f : fields)
            m_fieldNames.append(f->fieldName().toUpper());
        QList<Field *> shown;
        for (const Column &c : std::as_const(m_columns))
            shown.append(dataSet.findField(c.fieldName));
        const int current = dataSet.recNo();
        dataSet.first();
        while (!dataSet.eof()) {
            QVector<Cell> cells;
            for (const Field *f : std::as_const(shown))
                cells.append(f ? Cell{f->displayText(), f->alignment()} : Cell{});
            QVector<QVariant> values;
            for (const Field *f : fields)
                values.append(f->value());
            m_cells.append(cells);
            m_values.append(values);
            dataSet.next();
        }
        dataSet.first();
        moveTo(dataSet, current);
    }
    endResetModel();
}

void DataSetGridModel::clear()
{
    beginResetModel();
    m_cells.clear();
    m_values.clear();
    m_fieldNames.clear();
    endResetModel();
}

int DataSetGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cells.size());
}

int DataSetGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DataSetGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_cells.size() || index.column() >= m_columns.size())
        return {};
    const Cell &cell = m_cells.at(index.row()).at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(cell.alignment | Qt::AlignVCenter);
    case Qt::UserRole:
        return value(index.row(), m_columns.at(index.column()).fieldName);
    default:
        return {};
    }
}

QVariant DataSetGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 &&
        section < m_columns.size())
        return m_columns.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant DataSetGridModel::value(int row, const QString &fieldName) const
{
    const qsizetype column = m_fieldNames.indexOf(fieldName.toUpper());
    if (row < 0 || row >= m_values.size() || column < 0)
        return {};
    return m_values.at(row).at(column);
}
