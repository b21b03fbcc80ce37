// Opening the declaration view over a demo database of 2,000,000 sale lines and 500,000 receipt
// lines, beside a hand-written GROUP BY query that computes the same figures, on one connection.

#include <QCoreApplication>
#include <cstdio>

#include "bench/BenchSupport.h"
#include "declaration/DeclarationSession.h"
#include "framework/db/SqlHelpers.h"

using namespace quorvial;

namespace {

QString groupByQuery(const QString& table, int year) {
    const QString start = QStringLiteral("'%1-01-01 00:00:00.000'").arg(year);
    const QString end = QStringLiteral("'%1-01-01 00:00:00.000'").arg(year + 1);
    return QStringLiteral(
               "select T.*, case when ifnull(A.IdArticu, '') <> '' then 'Sí' else 'No' end as "
               "EnAlmacen,"
               " ifnull(A.Descripcion, '') as DescKorvella, S.Salidas, E.Entradas from %1 T"
               " left join Articu A on A.IdArticu = T.CodNal"
               " left join (select LV.codigo, sum(LV.Cantidad) as Salidas from Lineaventa LV"
               "   inner join venta V on V.IdVenta = LV.IdVenta"
               "   where V.FechaHora >= %2 and V.FechaHora < %3 group by LV.codigo) S on S.codigo "
               "= T.CodNal"
               " left join (select LR.XArt_IdArticu, sum(LR.Recibidas - LR.UDevolver) as Entradas"
               "   from LineaRecep LR inner join Recep R on R.IdRecepcion = LR.IdRecepcion"
               "   where R.Fecha >= %2 and R.Fecha < %3 group by LR.XArt_IdArticu) E"
               "   on E.XArt_IdArticu = T.CodNal"
               " order by T.Nombre, T.CodNal")
        .arg(table, start, end);
}

double total(const fw::db::Dataset& data, const char* field) {
    double sum = 0;
    const int index = data.fieldIndex(QString::fromLatin1(field));
    for (qsizetype row = 0; row < data.recordCount(); ++row)
        sum += data.valueAt(row, index).toDouble();
    return sum;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = bench::largeDemoFolder();
    bench::connectDemo(folder);

    DeclarationSession session(1);
    session.importer().CreateWorkTable();
    session.importer().ImportListFile(bench::listFileIn(folder));
    const int year = session.year();

    double viewBest = 1e9;
    double handBest = 1e9;
    fw::db::Dataset handRows;
    for (int round = 0; round < 3; ++round) {
        viewBest = std::min(viewBest, bench::wallSeconds([&] {
                                session.CreateDeclarationView();
                                session.OpenDeclarationQuery();
                            }));
        handBest = std::min(
            handBest, bench::wallSeconds([&] {
                handRows = fw::db::OpenSQLText(groupByQuery(session.workTable(), year))->dataset();
            }));
    }
    const fw::db::Dataset& viewRows = session.query().dataset();
    std::printf("rows: view %lld, group by %lld; Salidas %.0f / %.0f; Entradas %.0f / %.0f\n",
                static_cast<long long>(viewRows.recordCount()),
                static_cast<long long>(handRows.recordCount()), total(viewRows, "Salidas"),
                total(handRows, "Salidas"), total(viewRows, "Entradas"),
                total(handRows, "Entradas"));
    std::printf("declaration view (create + open, best of 3): %.3f s\n", viewBest);
    std::printf("hand-written GROUP BY (best of 3):           %.3f s\n", handBest);
    std::printf("ratio: %.2f\n", viewBest / handBest);
    session.close();
    return 0;
}
