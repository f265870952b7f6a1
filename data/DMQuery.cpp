#include "data/DMQuery.h"

void TDMQuery::beforeOpen()
{
    TUniQuery::beforeOpen();
    if (Database *db = Database::find(databaseName()); db && db->connected())
        m_driverName = db->driverName();
}

void TDMQuery::fieldDefsCreated()
{
    if (!hasPersistentFields())
        return;
    for (const FieldDef &def : fieldDefs()) {
        const QList<Field *> current = fields(); // a replacement frees the old field
        int index = -1;
        for (int i = 0; i < current.size(); ++i)
            if (current.at(i)->fieldName().compare(def.name, Qt::CaseInsensitive) == 0) {
                index = i;
                break;
            }
        if (index < 0)
            continue;
        Field *field = fields().at(index);
        if (m_driverName == QLatin1String("MSSQL") && field->fieldName() != def.name)
            field->setFieldName(def.name);
        if (field->dataType() == def.type)
            continue;
        auto replacement = std::make_unique<Field>(field->fieldName(), def.type, def.size);
        replacement->copySettingsFrom(*field);
        replaceField(index, std::move(replacement));
    }
}
