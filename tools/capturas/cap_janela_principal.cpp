// Capturas da janela principal e da janela de estilos.
#include <QListWidget>

#include "capturas.h"
#include "mainwin/u_Estilos.h"
#include "mainwin/u_Principal.h"

REGISTRAR_CAPTURA(frm_Principal)
{
    return std::make_unique<Tfrm_Principal>();
}

REGISTRAR_CAPTURA(frm_Estilos)
{
    auto janela = std::make_unique<Tfrm_Estilos>();
    janela->findChild<QListWidget*>(QStringLiteral("lst_Estilos"))->setCurrentRow(1);
    return janela;
}
