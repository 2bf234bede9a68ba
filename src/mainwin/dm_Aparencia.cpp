// Setaraparencia: reaplica o estilo guardado no Config.ini.
#include <QCoreApplication>

#include "core/u_ArquivoIni.h"
#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"
#include "mainwin/u_GerenciadorEstilos.h"

void TModuloDados::Setaraparencia()
{
    vp_caminho_aplicacao = PastaAplicacao();
    TArquivoIni config(vp_caminho_aplicacao + QStringLiteral("Config.ini"));
    if (config.existe()) {
        vAparencia =
            config.ler(QStringLiteral("APARENCIA"), QStringLiteral("Estilo"), QStringLiteral("Erro ao ler o valor"));
    } else {
        Dialogos().mensagem(QStringLiteral("Arquivo de configuracao \"Config.ini\" não encontrado"));
        // encerra também os laços modais abertos (o login, antes do laço principal)
        QCoreApplication::exit(0);
    }
    try {
        TGerenciadorEstilos::Aplicar(vAparencia);
    } catch (const EEstiloNaoEncontrado& erro) {
        // avisar a cada ativação reativaria a janela depois do aviso, sem fim
        if (vEstilosJaAvisados.contains(vAparencia))
            return;
        vEstilosJaAvisados << vAparencia;
        Dialogos().mensagem(QString::fromStdString(erro.what()), QString(), TIcone::Erro);
    }
}
