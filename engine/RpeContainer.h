#pragma once

#include "engine/RpePersistent.h"
#include "engine/RpeTypes.h"
#include "printengine/rpe32.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// The base of the report-object families of the print-job component. Every
// family is a container with one item object that acts as a cursor:
// selecting index i reads entry i from the engine into that item, and
// writing an item property pushes the change to entry i at once. Nothing is
// cached per index.

namespace RpeText {
// The text of an engine text handle; the handle is freed.
QString take(RpeTextHandle handle);
// A zero-terminated text of a fixed-size record field.
QString fixed(const char *field, std::size_t size);
template <std::size_t N> QString fixed(const char (&field)[N])
{
    return fixed(field, N);
}
// Copies text into a fixed-size field, cut to fit with its terminating zero.
void put(char *field, std::size_t size, const QString &text);
template <std::size_t N> void put(char (&field)[N], const QString &text)
{
    put(field, N, text);
}
QStringList lines(const QString &text);
} // namespace RpeText

// A family: Number selects, Count asks the engine each time.
class TRpeContainer : public TRpePersistent
{
public:
    TRpeContainer(TRpe *owner, const QString &familyName);
    void Clear() override;

    virtual int Count() = 0;
    int Number() const { return m_number; }
    // Selects entry i (-1 deselects and clears the item).
    void setNumber(int i);
    QString familyName() const { return m_familyName; }

protected:
    // Reads entry i into the item; false after an ignored failure, which
    // leaves the previous contents in place.
    virtual bool readItem(int i) = 0;
    virtual void clearItem() = 0;
    // Not while loading, nor without an existing report file.
    virtual bool canSelect() const;
    // "Tables[2].SetName <RpeSetNthTableLocation>"
    QString itemContext(const QString &operation, const char *entryPoint) const;
    // "Tables.SetIndex <RpeGetNthTableLocation>"
    QString indexContext(const char *entryPoint) const;
    // The engine's count, or 0 after a failure handled with context.
    int engineCount(int16_t n, const char *entryPoint);

    int m_number = -1;

private:
    QString m_familyName;
};

// Position and section of a report object, read when an item is selected.
struct TRpeObjectItem
{
    RpeObjectHandle Handle = 0;
    int Top = -1, Left = -1, Width = -1, Height = -1;
    QString Section;
    // Field objects only.
    QString FieldName;
    TRpeFieldValueType FieldType = fvUnknown;
    int FieldLength = -1;
    void clear() { *this = TRpeObjectItem(); }
};
