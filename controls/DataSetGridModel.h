#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QVariant>
#include <QVector>

class DataSet;

// The rows of a data set as a read-only table for a grid. Data sets send no
// notifications, so the owner calls reload() after it reopens the data set;
// the model copies the chosen columns (display text, alignment and raw value)
// and leaves the data set on the record it was on.
class DataSetGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Column
    {
        QString fieldName;
        QString title;
    };

    explicit DataSetGridModel(QList<Column> columns, QObject *parent = nullptr);

    void reload(DataSet &dataSet);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The raw value of a field of a row, also of a field the grid does not show.
    QVariant value(int row, const QString &fieldName) const;

    // Moves the data set to the given row (0-based).
    static void moveTo(DataSet &dataSet, int row);

private:
    struct Cell
    {
        QString text;
        Qt::Alignment alignment;
    };
    QList<Column> m_columns;
    QStringList m_fieldNames; // upper-cased names of every field of the data set
    QList<QVector<Cell>> m_cells;
    QList<QVector<QVariant>> m_values;
};
