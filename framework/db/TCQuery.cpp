#include "framework/db/TCQuery.h"

#include "framework/db/Connections.h"
#include "framework/db/DatabaseSession.h"
#include "framework/db/GlobalDataBase.h"
#include "framework/db/ScriptProgress.h"
#include "framework/util/Errors.h"
#include "framework/util/TextHelpers.h"
#include "framework/util/TraceChannel.h"

namespace fw::db {

namespace {

bool isBatchSeparator(const QString& line) {
    return line.compare(QStringLiteral("GO"), Qt::CaseInsensitive) == 0;
}

}  // namespace

TCQuery::TCQuery(QString databaseName) : m_databaseName(std::move(databaseName)) {}

void TCQuery::setSQL(const QStringList& lines) {
    if (m_originalSql.isEmpty())
        m_originalSql = lines;
    m_sql = lines;
    QVariantMap params;
    for (const QString& name : parameterNames(lines))
        params[name] = m_params.value(name);
    m_params = params;
}

QStringList TCQuery::parameterNames(const QStringList& lines) {
    QStringList names;
    const QString text = lines.join(QChar(13));
    bool inLiteral = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\''))
            inLiteral = !inLiteral;
        if (inLiteral || c != QLatin1Char(':') || i + 1 >= text.size())
            continue;
        if (!text[i + 1].isLetter() && text[i + 1] != QLatin1Char('_'))
            continue;
        qsizetype end = i + 1;
        while (end < text.size() && (text[end].isLetterOrNumber() || text[end] == QLatin1Char('_')))
            ++end;
        const QString name = text.mid(i + 1, end - i - 1);
        if (!names.contains(name, Qt::CaseInsensitive))
            names << name;
        i = end - 1;
    }
    return names;
}

void TCQuery::setSQL(const QString& text) {
    setSQL(fw::util::SplitLineBreaks(text));
}

QString TCQuery::sqlText() const {
    return m_sql.join(QChar(13));
}

Database& TCQuery::database() const {
    const QString name = m_databaseName.isEmpty() ? GlobalDataBase().MainAlias : m_databaseName;
    DatabaseSession& session = DatabaseSession::instance();
    if (Database* database = session.findDatabase(name))
        return *database;
    if (ConnectNamedDatabase(name) == Connected) {
        if (Database* database = session.findDatabase(name))
            return *database;
    }
    throw DatabaseError(QStringLiteral("No hay conexión con la base de datos \"%1\".").arg(name));
}

QString TCQuery::traceName() const {
    return m_objectName + QLatin1Char('(') + m_moduleName + QLatin1Char(')');
}

void TCQuery::open() {
    close();
    fw::util::TraceText(QStringLiteral("Query.Open_BEGIN: ") + traceName());
    fw::util::TraceText(sqlText());
    m_dataset = database().connection().select(sqlText(), m_params);
    m_active = true;
    restoreDisplayFormats();
    fw::util::TraceText(QStringLiteral("Query.Open_END: ") + traceName());
}

void TCQuery::OpenCached() {
    try {
        open();
    } catch (const fw::Error&) {
        for (const QString& line : std::as_const(m_sql))
            fw::util::TraceText(QStringLiteral("Excepcion OpenCached.") + line);
        throw;
    }
}

void TCQuery::close() {
    if (!m_active)
        return;
    saveDisplayFormats();
    m_dataset = Dataset();
    m_active = false;
}

void TCQuery::saveDisplayFormats() {
    const QList<Field>& fields = m_dataset.fields();
    for (int i = 0; i < fields.size() && i < kKeptFormats; ++i) {
        if (fields[i].isNumeric() || fields[i].isDateTime())
            m_savedFormats[size_t(i)] = fields[i].displayFormat;
    }
}

void TCQuery::restoreDisplayFormats() {
    QList<Field>& fields = m_dataset.fields();
    bool anySaved = false;
    for (int i = 0; i < fields.size() && i < kKeptFormats; ++i) {
        const QString& saved = m_savedFormats[size_t(i)];
        if (saved.isEmpty())
            continue;
        anySaved = true;
        if (fields[i].isNumeric() || fields[i].isDateTime())
            fields[i].displayFormat = saved;
    }
    if (anySaved)
        return;
    for (Field& field : fields) {
        if (field.isDateTime() && field.displayFormat.isEmpty())
            field.displayFormat = QStringLiteral("dd/mm/yyyy");
    }
}

void TCQuery::ParseClauses() {
    m_clauses.parse(m_sql);
}

void TCQuery::RebuildSQL() {
    m_sql = m_clauses.rebuild();
}

QString TCQuery::FirstFromTable() {
    ParseClauses();
    return m_clauses.firstFromTable();
}

void TCQuery::SetFilterText(const QString& filter) {
    m_sql = m_originalSql;
    ParseClauses();
    m_clauses.mergeFilter(filter);
    RebuildSQL();
    open();
}

void TCQuery::execute(const QString& sql) const {
    database().connection().execute(sql, m_params);
}

void TCQuery::traced(const QString& sql) const {
    fw::util::TraceText(QStringLiteral("ExecScript_BEGIN"));
    if (fw::util::TraceText(sql) && !m_params.isEmpty()) {
        fw::util::TraceText(QStringLiteral("Parámetros query anterior..."));
        for (auto it = m_params.cbegin(); it != m_params.cend(); ++it)
            fw::util::TraceText(QStringLiteral("Parámetro ") + it.key() + QStringLiteral(" = ") +
                                it.value().toString());
    }
    execute(sql);
    fw::util::TraceText(QStringLiteral("ExecScript_END"));
}

void TCQuery::ExecScript() {
    if (std::none_of(m_sql.cbegin(), m_sql.cend(), isBatchSeparator)) {
        traced(sqlText());
        return;
    }
    const ScriptProgressHandlers& progress = ScriptProgress();
    auto call = [](const auto& handler, auto&&... arguments) {
        if (handler)
            handler(arguments...);
    };
    // Closes whatever progress window is open when the script ends, also on error.
    struct EndProgress {
        const ScriptProgressHandlers& progress;
        ~EndProgress() {
            if (progress.end)
                progress.end();
        }
    } endProgress{progress};

    int batches = 0;
    QString title;
    for (const QString& line : std::as_const(m_sql)) {
        if (line == QStringLiteral("GO"))
            ++batches;
        if (line.startsWith(QStringLiteral("/*$T=")))
            title = line.mid(5).chopped(std::min<qsizetype>(2, line.size() - 5));
    }
    if (batches > 0 && !title.isEmpty())
        call(progress.start, title, batches);

    QStringList batch;
    for (const QString& line : std::as_const(m_sql)) {
        if (line.startsWith(QStringLiteral("/*$M=")) && progress.active && progress.active())
            call(progress.detail, line.mid(5).chopped(std::min<qsizetype>(2, line.size() - 5)));
        if (isBatchSeparator(line)) {
            call(progress.step);
            if (!batch.isEmpty())
                traced(batch.join(QChar(13)));
            batch.clear();
        } else if (!line.isEmpty()) {
            batch << line;
        }
    }
    if (!batch.isEmpty()) {
        call(progress.step);
        traced(batch.join(QChar(13)));
    }
}

}  // namespace fw::db
