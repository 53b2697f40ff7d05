#pragma once

#include <QString>

class DataSource;

// The main window's list of found verses as the searches and lookups see it: they
// clear it, append the records of their queries, show the count and select the first
// row (which shows that verse). Row i of the list belongs to one verse.
class ResultList
{
public:
    struct Row {
        QString id;      // the verse's running number
        QString sura;
        QString verse;
        QString foundBy; // the word form that found it (root search), else empty
    };

    virtual ~ResultList() = default;

    virtual void clearResults() = 0;
    // Appends every record of the query `source` holds, from its cursor on.
    virtual void appendResults(DataSource &source, const QString &foundBy = {}) = 0;
    virtual void showResultCount() = 0;
    virtual void selectFirstResult() = 0;
    virtual int rowCount() const = 0;
    // The selected row, or -1.
    virtual int selectedRow() const = 0;
    virtual Row resultRow(int row) const = 0;
    // The text of a row as the list shows it: "البقرة : 255".
    virtual QString rowText(int row) const = 0;
};
