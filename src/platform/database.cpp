#include "platform/database.h"

#include "platform/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <QUrl>
#include <atomic>

namespace {
const QString kDriver = QStringLiteral("QSQLITE");
// A file held by another process is waited for this long before the
// statement fails with the engine's "database is locked".
const QString kConnectOptions = QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000");

// The tables and the settings row of a new file.
const char* const kCreateStatements[] = {
    "CREATE TABLE Stocks (ID INTEGER PRIMARY KEY AUTOINCREMENT, StockName TEXT, High REAL, "
    "Low REAL, Actual REAL, Bottom REAL, RetIndex INTEGER, UpIndex INTEGER, UpTrend INTEGER, "
    "Notes TEXT)",
    "CREATE TABLE System (Language INTEGER DEFAULT 0, Decimals INTEGER)",
    "INSERT INTO System (Language, Decimals) VALUES (0, 2)",
};

StatementObserver& observer() {
    static StatementObserver instance;
    return instance;
}

void notify(const QString& sql) {
    if (observer())
        observer()(sql);
}

[[noreturn]] void raiseEngineError(const QSqlError& error) {
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.driverText();
    RaiseError(DbErrorNumbers::EngineError, text);
}

[[noreturn]] void raiseItemNotFound() {
    RaiseError(DbErrorNumbers::ItemNotFound,
               QStringLiteral("Item cannot be found in the collection corresponding to the "
                              "requested name or ordinal."));
}

[[noreturn]] void raiseNoCurrentRecord() {
    RaiseError(DbErrorNumbers::NoCurrentRecord,
               QStringLiteral("Either BOF or EOF is True, or the current record has been "
                              "deleted. Requested operation requires a current record."));
}

[[noreturn]] void raiseClosed() {
    RaiseError(DbErrorNumbers::ObjectClosed,
               QStringLiteral("Operation is not allowed when the object is closed."));
}

// Position of a field among `names`, compared case-insensitively.
int findField(const QStringList& names, const QString& name) {
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    raiseItemNotFound();
}

QString newConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("Dorvex-db-%1").arg(++counter);
}

// Opens `name` on the file at `target` (a path or a "file:" URI).
QSqlDatabase openEngine(const QString& name, const QString& target) {
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name);
    db.setDatabaseName(target);
    db.setConnectOptions(kConnectOptions);
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        raiseEngineError(error);
    }
    return db;
}

void dropEngine(const QString& name) {
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QSqlQuery run(const QString& connectionName, const QString& sql) {
    notify(sql);
    QSqlQuery query(QSqlDatabase::database(connectionName, false));
    query.setForwardOnly(true);
    if (!query.exec(sql))
        raiseEngineError(query.lastError());
    return query;
}

// Builds a new database beside `path` under a temporary name and then gives
// it the final name, which fails rather than replace a file that appeared
// meanwhile: a half-built file never carries the database's name.
void createDatabaseFile(const QString& path) {
    QTemporaryFile file(path + QStringLiteral(".new-XXXXXX"));
    if (!file.open())
        RaiseError(ErrorNumbers::FileError,
                   QStringLiteral("Path/File access error: %1").arg(file.errorString()));
    file.close();

    const QString name = newConnectionName();
    try {
        openEngine(name, file.fileName());
        run(name, QStringLiteral("BEGIN"));
        for (const char* statement : kCreateStatements)
            run(name, QString::fromLatin1(statement));
        run(name, QStringLiteral("COMMIT"));
    } catch (...) {
        dropEngine(name);
        throw;
    }
    dropEngine(name);

    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (file.rename(path)) {
        file.setAutoRemove(false);
        return;
    }
    if (!QFileInfo::exists(path))
        RaiseError(ErrorNumbers::FileError,
                   QStringLiteral("Path/File access error: %1").arg(file.errorString()));
    // Another process created the file first: that one is opened.
}

// A URI that opens an existing file for reading and writing and never
// creates one.
QString existingFileUri(const QString& path) {
    return QStringLiteral("file:") + QString::fromUtf8(QUrl::toPercentEncoding(path, "/")) +
           QStringLiteral("?mode=rw");
}
} // namespace

void SetStatementObserver(StatementObserver o) {
    observer() = std::move(o);
}

QString DatabasePathFromConnectionString(const QString& connectionString) {
    const qsizetype start =
        connectionString.indexOf(QStringLiteral("Dbq="), 0, Qt::CaseInsensitive);
    if (start < 0)
        RaiseError(DbErrorNumbers::EngineError,
                   QStringLiteral("The connection string names no database file"));
    QString path = connectionString.mid(start + 4);
    const qsizetype end = path.lastIndexOf(u';');
    if (end >= 0)
        path.truncate(end);
    const qsizetype separator = path.lastIndexOf(u'\\');
    if (separator >= 0)
        path[separator] = u'/';
    if (path.isEmpty())
        RaiseError(DbErrorNumbers::EngineError,
                   QStringLiteral("The connection string names no database file"));
    return path;
}

// --- Recordset ---

int Recordset::FieldIndex(const QString& name) const {
    return findField(names_, name);
}

void Recordset::MoveNext() {
    if (AtEnd())
        raiseNoCurrentRecord();
    ++row_;
}

const QVariant& Recordset::Value(int field) const {
    if (AtEnd())
        raiseNoCurrentRecord();
    if (field < 0 || field >= names_.size())
        raiseItemNotFound();
    return cells_[qsizetype(row_) * names_.size() + field];
}

// --- DbConnection ---

DbConnection::DbConnection() = default;

DbConnection::~DbConnection() {
    Close();
}

void DbConnection::Open(const QString& connectionString) {
    Close();
    const QString path =
        QFileInfo(DatabasePathFromConnectionString(connectionString)).absoluteFilePath();
    if (!QFileInfo::exists(path))
        createDatabaseFile(path);

    const QString name = newConnectionName();
    openEngine(name, existingFileUri(path));
    try {
        run(name, QStringLiteral("PRAGMA synchronous=FULL"));
        // Reads the file's header and schema, so that a file that is no
        // database, or is damaged there, fails now.
        run(name, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    } catch (...) {
        dropEngine(name);
        throw;
    }
    name_ = name;
    path_ = path;
    open_ = true;
}

void DbConnection::Close() {
    if (name_.isEmpty())
        return;
    dropEngine(name_);
    name_.clear();
    path_.clear();
    open_ = false;
    lastInsertId_ = 0;
}

void DbConnection::requireOpen() const {
    if (!open_)
        raiseClosed();
}

void DbConnection::Execute(const QString& sql) {
    requireOpen();
    QSqlQuery query = run(name_, sql);
    const QVariant id = query.lastInsertId();
    if (id.isValid())
        lastInsertId_ = id.toLongLong();
}

Recordset DbConnection::OpenRecordset(const QString& sql) {
    requireOpen();
    QSqlQuery query = run(name_, sql);
    Recordset rs;
    const QSqlRecord record = query.record();
    const int fields = record.count();
    for (int i = 0; i < fields; ++i)
        rs.names_ << record.fieldName(i);
    while (query.next()) {
        for (int i = 0; i < fields; ++i)
            rs.cells_.append(query.value(i));
        ++rs.rowCount_;
    }
    if (query.lastError().isValid())
        raiseEngineError(query.lastError());
    return rs;
}

// --- EditableRecordset ---

void EditableRecordset::Open(DbConnection& connection, const QString& sql) {
    Close();
    connection.requireOpen();
    static const QRegularExpression fromTable(QStringLiteral(R"(\bfrom\s+\[?(\w+)\]?)"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = fromTable.match(sql);
    if (!match.hasMatch())
        RaiseError(DbErrorNumbers::EngineError,
                   QStringLiteral("The recordset does not name the one table it can update"));
    const QString table = match.captured(1);

    Recordset rows = connection.OpenRecordset(sql);
    // The same table scan in the same order gives each row's identity.
    Recordset ids = connection.OpenRecordset(QStringLiteral("SELECT rowid FROM \"%1\"").arg(table));
    if (ids.RecordCount() != rows.RecordCount())
        RaiseError(DbErrorNumbers::EngineError,
                   QStringLiteral("The recordset's rows cannot be told apart for updating"));

    for (int i = 0; i < rows.FieldCount(); ++i)
        names_ << rows.FieldName(i);
    for (; !rows.AtEnd(); rows.MoveNext(), ids.MoveNext()) {
        QVector<QVariant> row;
        for (int i = 0; i < rows.FieldCount(); ++i)
            row << rows.Value(i);
        rows_ << row;
        rowIds_ << ids.Value(0).toLongLong();
    }
    stored_ = rows_;
    dirty_ = QVector<bool>(names_.size(), false);
    table_ = table;
    connection_ = &connection;
}

void EditableRecordset::Close() {
    connection_ = nullptr;
    table_.clear();
    names_.clear();
    rows_.clear();
    stored_.clear();
    rowIds_.clear();
    dirty_.clear();
    current_ = 0;
}

void EditableRecordset::requireCurrent() const {
    if (!connection_)
        raiseClosed();
    if (AtEnd())
        raiseNoCurrentRecord();
}

int EditableRecordset::fieldIndex(const QString& name) const {
    return findField(names_, name);
}

QVariant EditableRecordset::Field(const QString& name) const {
    requireCurrent();
    return rows_[current_][fieldIndex(name)];
}

void EditableRecordset::SetField(const QString& name, const QVariant& value) {
    requireCurrent();
    const int field = fieldIndex(name);
    rows_[current_][field] = value;
    dirty_[field] = true;
}

void EditableRecordset::Update() {
    requireCurrent();
    connection_->requireOpen();
    QStringList assignments;
    QVariantList values;
    for (int i = 0; i < names_.size(); ++i) {
        if (!dirty_[i])
            continue;
        assignments << QStringLiteral("\"%1\"=?").arg(names_[i]);
        values << rows_[current_][i];
    }
    if (assignments.isEmpty())
        return;

    const QString sql =
        QStringLiteral("UPDATE \"%1\" SET %2 WHERE rowid=?").arg(table_, assignments.join(u','));
    notify(sql);
    QSqlQuery query(QSqlDatabase::database(connection_->ConnectionName(), false));
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.addBindValue(rowIds_[current_]);
    const bool written = query.exec();
    const QSqlError error = query.lastError();
    const bool found = written && query.numRowsAffected() == 1;
    dirty_.fill(false);
    if (found) {
        stored_[current_] = rows_[current_];
        return;
    }
    // A refused change is dropped: the row reads as it is stored.
    rows_[current_] = stored_[current_];
    if (!written)
        raiseEngineError(error);
    RaiseError(DbErrorNumbers::EngineError,
               QStringLiteral("Row cannot be located for updating. Some values may have "
                              "been changed since it was last read."));
}
