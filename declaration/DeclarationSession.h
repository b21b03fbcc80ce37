#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "declaration/DeclarationColumns.h"
#include "declaration/ListImporter.h"
#include "framework/db/TCQuery.h"

namespace quorvial {

// One run of the program: connect to the pharmacy database, import the ESVAC list into a work
// table of the session's own, build the session's view over it and keep its query open until
// the session closes, when both work objects are dropped again. The declaration window and the
// headless run drive it alike.
class DeclarationSession : public QObject {
    Q_OBJECT

public:
    enum class State { Created, Connecting, Loading, Ready, Closing, Closed, Ending };

    // Which of the declaration's filter boxes are ticked.
    struct Filters {
        bool withMovement = false;
        bool inStock = false;
        bool inStockSimilar = false;
    };

    // Stands in for the file dialog: answers the files picked, in order, or none.
    using ListFileChooser = std::function<QStringList()>;

    static const QString kDefaultListFileName;

    // The number both work-object names carry; unique among concurrent sessions.
    explicit DeclarationSession(qint64 handle, QObject* parent = nullptr);
    // Window handles are not unique across the workstations that share one server; a random
    // positive 31-bit number practically is.
    static qint64 newHandle();
    ~DeclarationSession() override;

    void setListFileChooser(ListFileChooser chooser) { m_chooser = std::move(chooser); }
    // The folder searched for the standard list file; the program's own by default.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    // Connects and loads; true when the session is ready. A failure has shown its message,
    // removed what it created and left the session Ending.
    bool start();
    // Drops the work objects and disconnects.
    void close();

    bool ConnectDatabase();
    void LoadDeclaration();
    void LocateListFiles();
    bool FindDefaultListFile();
    bool SelectListFiles();
    void ImportAndBuild();
    void DropWorkObjects();
    void CreateDeclarationView();
    void OpenDeclarationQuery();
    void SetQuantityFormat();

    // The filter boxes' events. The two stock boxes exclude each other: ticking one clears the
    // other first, whose own event reopens the query once more.
    void ChbConMovimientoClick(bool checked);
    void ChbEnAlmacenClick(bool checked);
    void ChbEnAlmacenDescClick(bool checked);
    // Asks for a name, proposing one, and stores the shown rows as an article list; true when
    // a list was created.
    bool BtListaClick();

    State state() const { return m_state; }
    const QString& workTable() const { return m_workTable; }
    const QString& workView() const { return m_workView; }
    int year() const { return m_importer.year(); }
    const QString& caption() const { return m_caption; }
    const QStringList& listFiles() const { return m_listFiles; }
    const QStringList& columnTitles() const { return m_importer.columnTitles(); }
    const DeclarationColumns& columns() const { return m_columns; }
    const Filters& filters() const { return m_filters; }
    fw::db::TCQuery& query() { return m_query; }
    ListImporter& importer() { return m_importer; }

signals:
    void captionChanged(const QString& caption);
    void queryReopened();
    void filtersChanged(const DeclarationSession::Filters& filters);

private:
    void setCaption(const QString& caption);
    void endProgram();

    QString m_workTable;
    QString m_workView;
    QString m_caption;
    QString m_programFolder;
    QStringList m_listFiles;
    DeclarationColumns m_columns;
    ListImporter m_importer;
    Filters m_filters;
    fw::db::TCQuery m_query;
    ListFileChooser m_chooser;
    State m_state = State::Created;
};

}  // namespace quorvial
