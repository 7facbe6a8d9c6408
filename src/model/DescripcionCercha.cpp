#include "model/DescripcionCercha.h"

#include "model/Numeros.h"

namespace {

QString Numero(double valor)
{
    return FormatoGeneral(valor, Separador::Regional);
}

QString Nodo(int n)
{
    return QStringLiteral("el nodo ") + LetraNodo(n);
}

QString Barra(const Modulo& modulo, int b, bool conFuerza)
{
    const BarraRec& barra = modulo.Barra(b);
    QString texto = QStringLiteral(" Barra ") + Numero(b);
    if (barra.NodoFinal == 0)
        return texto + QStringLiteral(" desde ") + Nodo(barra.NodoInicial) + QStringLiteral(", sin terminar.");
    texto += QStringLiteral(" del nodo ") + LetraNodo(barra.NodoInicial) + QStringLiteral(" al nodo ")
        + LetraNodo(barra.NodoFinal);
    if (!conFuerza)
        return texto + u'.';
    return texto + QStringLiteral(": ") + Numero(-barra.Fuerza) + QStringLiteral(" N, ") + EstadoFuerza(barra.Fuerza)
        + u'.';
}

} // namespace

QString EstadoFuerza(double Fuerza)
{
    return Fuerza > 0 ? QStringLiteral("compresión")
        : Fuerza < 0  ? QStringLiteral("tracción")
                      : QStringLiteral("fuerza nula");
}

QString DescribirCercha(const Modulo& modulo, const QString& titulo, int barrasConFuerza)
{
    QString texto = titulo + u'.';
    if (modulo.NumNodos == 0)
        return texto + QStringLiteral(" Sin nodos.");
    for (int n = 1; n <= modulo.NumNodos; ++n) {
        const NodoRec& nodo = modulo.Nodo(n);
        texto += QStringLiteral(" Nodo ") + LetraNodo(n) + QStringLiteral(" en x ") + Numero(nodo.X)
            + QStringLiteral(" m, y ") + Numero(nodo.Y) + QStringLiteral(" m.");
    }
    for (int b = 1; b <= modulo.NumBarras; ++b)
        texto += Barra(modulo, b, b <= barrasConFuerza);
    if (modulo.Apoyos[TipoApoyo::Fijo] != 0)
        texto += QStringLiteral(" Apoyo fijo en ") + Nodo(modulo.Apoyos[TipoApoyo::Fijo]) + u'.';
    if (modulo.Apoyos[TipoApoyo::Movil] != 0)
        texto += QStringLiteral(" Apoyo móvil en ") + Nodo(modulo.Apoyos[TipoApoyo::Movil]) + u'.';
    for (int k = 1; k <= modulo.NumCargas; ++k) {
        const CargaRec& carga = modulo.Cargas[k];
        texto += QStringLiteral(" Carga ") + Numero(k) + QStringLiteral(" en ") + Nodo(carga.Nodo)
            + QStringLiteral(": ") + Numero(carga.Magnitud) + QStringLiteral(" N a ") + Numero(carga.Angulo)
            + QStringLiteral("°.");
    }
    return texto;
}
