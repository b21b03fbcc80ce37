#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

#include "framework/db/Connection.h"

namespace test {

// Stands in for the pharmacy's SQL Server: keeps every text it would send, in order, and
// answers selects from a script of results (an empty result once the script runs out).
class RecordingConnection final : public fw::db::Connection {
public:
    // The log outlives the connection: a session may release it before the test reads it.
    explicit RecordingConnection(std::shared_ptr<QStringList> log = std::make_shared<QStringList>())
        : sent(std::move(log)) {}

    const fw::db::SqlDialect& dialect() const override { return m_dialect; }
    void open() override { m_open = true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    void execute(const QString& sql, const QVariantMap& parameters = {}) override;
    fw::db::Dataset select(const QString& sql, const QVariantMap& parameters = {}) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override { return m_inTransaction; }

    // One column, one row per value.
    static fw::db::Dataset column(const QString& name, const QVariantList& values);

    std::shared_ptr<QStringList> sent;
    std::deque<fw::db::Dataset> results;
    // Raised instead of running a text it answers true for.
    std::function<bool(const QString&)> failWhen;

private:
    void check(const QString& sql);

    fw::db::MssqlDialect m_dialect;
    bool m_open = false;
    bool m_inTransaction = false;
};

}  // namespace test
