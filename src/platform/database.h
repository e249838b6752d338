#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

// The database engine behind the program's connection string: SQLite through
// Qt SQL. The connection string names the file in its "Dbq=" part; the
// password it carries means nothing to this engine. Every failure of the
// engine is raised as an AppError with a number and the engine's description.

namespace DbErrorNumbers {
// The engine refused a statement or the file (description from the engine).
inline constexpr int EngineError = 3146;
// "Either BOF or EOF is True, or the current record has been deleted..."
inline constexpr int NoCurrentRecord = 3021;
// "Item cannot be found in the collection corresponding to the requested name or ordinal."
inline constexpr int ItemNotFound = 3265;
// "Operation is not allowed when the object is closed."
inline constexpr int ObjectClosed = 3704;
} // namespace DbErrorNumbers

// The path of the database file named by a connection string: the text after
// "Dbq=" up to the last ";", with the final "\" before the file name read as
// the folder separator. Raises when there is no "Dbq=" part.
QString DatabasePathFromConnectionString(const QString& connectionString);

// Rows of named fields read in one go (a client-side cursor). A Null field
// reads as a null QVariant; an empty text as an empty, non-null QString.
class Recordset {
  public:
    int RecordCount() const { return rowCount_; }
    int FieldCount() const { return int(names_.size()); }
    const QString& FieldName(int field) const { return names_.at(field); }
    // Index of a field, names compared case-insensitively; raises ItemNotFound.
    int FieldIndex(const QString& name) const;

    bool AtEnd() const { return row_ >= rowCount_; }
    void MoveFirst() { row_ = 0; }
    void MoveNext();
    // A field of the current row; raises NoCurrentRecord at the end.
    const QVariant& Value(int field) const;
    const QVariant& Field(const QString& name) const { return Value(FieldIndex(name)); }

  private:
    friend class DbConnection;
    QStringList names_;
    QVector<QVariant> cells_; // row after row
    int rowCount_ = 0;
    int row_ = 0;
};

// One open database file. Each object has a connection name of its own, so
// several can be open in one process.
class DbConnection {
  public:
    DbConnection();
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // Opens the file named by the connection string. A missing file is
    // created with the program's two tables and its one settings row; an
    // existing file is opened as it is and never rewritten, whatever is wrong
    // with it (the failure is raised instead).
    void Open(const QString& connectionString);
    void Close();
    bool IsOpen() const { return open_; }
    const QString& ConnectionName() const { return name_; }
    const QString& FilePath() const { return path_; }

    // Runs one statement; each one is committed to disk before it returns.
    void Execute(const QString& sql);
    // The row ID the engine gave the last row inserted on this connection.
    qint64 LastInsertId() const { return lastInsertId_; }
    Recordset OpenRecordset(const QString& sql);

  private:
    friend class EditableRecordset;
    void requireOpen() const;

    QString name_;
    QString path_;
    bool open_ = false;
    qint64 lastInsertId_ = 0;
};

// A recordset on one table whose fields can be assigned and then committed
// with Update(), as the settings row is kept for the whole run. It reads the
// rows of its statement and writes a changed row back by the row's identity.
class EditableRecordset {
  public:
    // `sql` selects from one table ("Select * from System").
    void Open(DbConnection& connection, const QString& sql);
    void Close();
    bool IsOpen() const { return connection_ != nullptr; }
    bool AtEnd() const { return current_ >= rowIds_.size(); }

    // The current row's field, with any value assigned since the last Update.
    QVariant Field(const QString& name) const;
    // Assigns a field of the current row in memory; Update() writes it.
    void SetField(const QString& name, const QVariant& value);
    // Writes the assigned fields of the current row. When the engine refuses
    // them they are dropped and the row reads as stored.
    void Update();

  private:
    int fieldIndex(const QString& name) const;
    void requireCurrent() const;

    DbConnection* connection_ = nullptr;
    QString table_;
    QStringList names_;
    QVector<QVector<QVariant>> rows_;   // as read, with the assignments
    QVector<QVector<QVariant>> stored_; // as read or last written
    QVector<qint64> rowIds_;
    QVector<bool> dirty_;
    qsizetype current_ = 0;
};

// Tests watch every statement the engine is given, the platform's own
// included. An empty function stops watching.
using StatementObserver = std::function<void(const QString& sql)>;
void SetStatementObserver(StatementObserver observer);
