#include "core/u_Telas.h"

#include <QHash>

static QHash<QString, TAbridorDeTela>& catalogo()
{
    static QHash<QString, TAbridorDeTela> telas;
    return telas;
}

void RegistrarTela(const QString& chave, TAbridorDeTela abridor)
{
    catalogo().insert(chave, std::move(abridor));
}

bool TelaDisponivel(const QString& chave)
{
    return catalogo().contains(chave);
}

bool AbrirTela(const QString& chave, QWidget* pai)
{
    const auto it = catalogo().constFind(chave);
    if (it == catalogo().constEnd())
        return false;
    (*it)(pai);
    return true;
}
