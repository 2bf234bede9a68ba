#include "mainwin/u_Inicializacao.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <memory>

#include "access/u_Senha.h"
#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "mainwin/u_GerenciadorEstilos.h"
#include "mainwin/u_Principal.h"

int IniciarPrograma(const std::function<int()>& lacoDeEventos)
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/osvendas.png")));
    try {
        TGerenciadorEstilos::Aplicar(QStringLiteral("Amakrits"));
    } catch (const std::exception& erro) {
        // o início segue no estilo que estiver
        Dialogos().mensagem(QString::fromUtf8(erro.what()), QString(), TIcone::Erro);
    }

    auto modulo = std::make_unique<TModuloDados>();
    if (!modulo->ok())
        return 1; // a mensagem já foi mostrada; o login não aparece

    try {
        Tfrm_Principal principal; // a janela principal do programa, ainda escondida
        int resultado = QDialog::Rejected;
        {
            Tfrm_Senha senha;
            resultado = Dialogos().executarModal(&senha);
        }
        if (resultado != QDialog::Accepted)
            return 0;
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Sistema para Ordem de Serviço e vendas"));
        principal.show();
        return lacoDeEventos();
    } catch (const std::exception& erro) {
        Dialogos().mensagem(QStringLiteral("Erro : ") + QString::fromUtf8(erro.what()), QString(), TIcone::Erro);
        return 1;
    }
}
