#include "mainwin/u_Estilos.h"

#include <QLabel>

#include "core/u_ArquivoIni.h"
#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "mainwin/u_GerenciadorEstilos.h"
#include "ui_u_Estilos.h"

namespace {
TRegistroTela registroEstilos("Estilos", [](QWidget* pai) {
    Tfrm_Estilos janela(pai);
    Dialogos().executarModal(&janela);
});
} // namespace

Tfrm_Estilos::Tfrm_Estilos(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Tfrm_Estilos>())
{
    ui->setupUi(this);
    auto* painel = new QLabel(QStringLiteral("Pressione ESC para sair desta tela"), ui->BarraStatus);
    painel->setObjectName(QStringLiteral("BarraStatus_Painel"));
    ui->BarraStatus->addWidget(painel, 1);

    ui->lst_Estilos->clear();
    ui->lst_Estilos->addItems(TGerenciadorEstilos::NomesDosEstilos());
    ui->lst_Estilos->viewport()->installEventFilter(this);
    connect(ui->btn_Ok, &QPushButton::clicked, this, &Tfrm_Estilos::btn_OkClick);
}

Tfrm_Estilos::~Tfrm_Estilos() = default;

bool Tfrm_Estilos::eventFilter(QObject* objeto, QEvent* evento)
{
    // o duplo clique vale também fora dos itens (aí sem nada selecionado); o primeiro clique
    // dele já selecionou o item
    if (objeto == ui->lst_Estilos->viewport() && evento->type() == QEvent::MouseButtonDblClick)
        lst_EstilosDblClick();
    return QDialog::eventFilter(objeto, evento);
}

QString Tfrm_Estilos::Selecionado() const
{
    const QList<QListWidgetItem*> itens = ui->lst_Estilos->selectedItems();
    return itens.isEmpty() ? QString() : itens.first()->text();
}

void Tfrm_Estilos::lst_EstilosDblClick()
{
    const QString nome = Selecionado();
    if (nome.isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Selecione um estilo na lista."));
        return;
    }
    // só para ver: vale até a janela principal ou o login voltarem a ficar ativos
    try {
        TGerenciadorEstilos::Aplicar(nome);
    } catch (const std::exception& erro) {
        Dialogos().mensagem(QStringLiteral("Erro ao alterar o estilo: ") + QString::fromUtf8(erro.what()));
    }
}

void Tfrm_Estilos::btn_OkClick()
{
    const QString nome = Selecionado();
    if (nome.isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Selecione um estilo na lista."));
        return;
    }
    TArquivoIni config(PastaAplicacao() + QStringLiteral("Config.ini"));
    if (!config.gravar(QStringLiteral("APARENCIA"), QStringLiteral("Estilo"), nome)) {
        Dialogos().mensagem(QStringLiteral("Atenção\nNão foi possível gravar o estilo no Config.ini"));
        return;
    }
    Dialogos().mensagem(QStringLiteral("Mensagem armazenada com sucesso!"));
    if (ModuloDados)
        ModuloDados->Setaraparencia();
    accept();
}
