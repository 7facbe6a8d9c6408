// The truss read aloud, on a truss written straight into the model: every kind of sentence, forces by their sign as
// the bar colours tell them, and a regional comma.

#include "model/DescripcionCercha.h"
#include "solver/Cercha.h"

#include <QTest>

class PruebaDescripcion : public QObject {
    Q_OBJECT
private slots:
    // Force labels on the first bar only; then on every bar under a regional comma.
    void describir()
    {
        Modulo m;
        ArmarCercha(m, { { 0, 0 }, { 4, 0 }, { 4, 3 }, { 2.5, -1.25 } }, { { 1, 2 }, { 2, 3 }, { 1, 3 } }, 1, 2);
        m.AgregarBarraRec(4);
        for (int b = 1; b <= 3; ++b)
            m.Barra(b).Fuerza = std::array { 0.0, 750.0, -1250.0 }[size_t(b - 1)];
        m.NumCargas = 2;
        m.Cargas[1] = { 3, 1000, 270 };
        m.Cargas[2] = { 3, 12.5, 180 };
        const QString nodos = QStringLiteral(
            "Plano de la cercha. Nodo A en x 0 m, y 0 m. Nodo B en x 4 m, y 0 m. Nodo C en x 4 m, y 3 m."
            " Nodo D en x 2.5 m, y -1.25 m.");
        const QString abierta = QStringLiteral(" Barra 4 desde el nodo D, sin terminar.");
        const QString resto
            = QStringLiteral(" Apoyo fijo en el nodo A. Apoyo móvil en el nodo B."
                             " Carga 1 en el nodo C: 1000 N a 270°. Carga 2 en el nodo C: 12.5 N a 180°.");
        // Stored forces 0, 750 (compression), -1250 (tension); the text shows -Fuerza.
        const QString conFuerza = QStringLiteral(" Barra 1 del nodo A al nodo B: 0 N, fuerza nula."
                                                 " Barra 2 del nodo B al nodo C: -750 N, compresión."
                                                 " Barra 3 del nodo A al nodo C: 1250 N, tracción.");
        QLocale::setDefault(QLocale::c());
        QCOMPARE(DescribirCercha(m, QStringLiteral("Plano de la cercha"), 1),
            nodos + conFuerza.left(conFuerza.indexOf(u'.') + 1)
                + " Barra 2 del nodo B al nodo C. Barra 3 del nodo A al nodo C." + abierta + resto);
        QString regional = nodos + conFuerza + abierta + resto;
        for (const char* numero : { "2.5", "1.25", "12.5" })
            regional.replace(QLatin1String(numero), QString::fromLatin1(numero).replace(u'.', u','));
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(DescribirCercha(m, QStringLiteral("Plano de la cercha"), 3), regional);
    }
};

QTEST_GUILESS_MAIN(PruebaDescripcion)
#include "tst_descripcion.moc"
