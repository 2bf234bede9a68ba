#include "serviceorders/u_CadServicos.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QStyle>

#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "ui_u_CadServicos.h"
#include "util/u_alicerce_com.h"

namespace {
// Do menu "Serviços" da janela principal.
const TRegistroTela registroServicos("Servicos", [](QWidget* pai) {
    Tfrm_CadServicos frm_CadServicos(pai);
    Dialogos().executarModal(&frm_CadServicos);
});
// Do botão "..." da ordem de serviço: a escolha volta nos campos de passagem.
const TRegistroTela registroEscolherServico("Servicos.Escolher", [](QWidget* pai) {
    Tfrm_CadServicos frm_CadServicos(pai);
    frm_CadServicos.setTag(3);
    Dialogos().executarModal(&frm_CadServicos);
});
} // namespace

Tfrm_CadServicos::Tfrm_CadServicos(QWidget* pai) : QDialog(pai), ui(std::make_unique<Ui::Tfrm_CadServicos>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_CadServicos"));
    setWindowFlag(Qt::Tool);

    ui->IMG_Novo->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    ui->IMG_Salvar->setIcon(QIcon(QStringLiteral(":/icones/salvar.png")));
    ui->IMG_Excluir->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    ui->IMG_Buscar->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    ui->IMG_Cancelar->setIcon(QIcon(QStringLiteral(":/icones/cancelar.png")));
    connect(ui->IMG_Novo, &QToolButton::clicked, this, &Tfrm_CadServicos::IMG_NovoClick);
    connect(ui->IMG_Salvar, &QToolButton::clicked, this, &Tfrm_CadServicos::IMG_SalvarClick);
    connect(ui->IMG_Cancelar, &QToolButton::clicked, this, &Tfrm_CadServicos::IMG_CancelarClick);
    connect(ui->IMG_Excluir, &QToolButton::clicked, this, &Tfrm_CadServicos::IMG_ExcluirClick);
    // "Buscar ..." fica à mostra mas não faz nada

    DefinirCaixa(ui->edt_Servico, TCaixa::Maiusculas);
    ui->edt_Servico->setMaxLength(50);

    // ao entrar no valor, os pontos de milhar saem; ao sair, tem de ser um número
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* agora) {
        if (agora == ui->edt_Valor)
            ui->edt_Valor->setText(TirarPontoValor(ui->edt_Valor->text()));
    });
    AoSairDoCampo(ui->edt_Valor, [this] {
        double valor = 0;
        valorValido(valor);
    });

    ModuloDados->Qry_Servicos->vincular(ui->dbg_Servicos);
    ui->dbg_Servicos->verticalHeader()->hide();
    ui->dbg_Servicos->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(ModuloDados->Qry_Servicos, &QAbstractItemModel::modelReset, this, [this] {
        ui->dbg_Servicos->setColumnWidth(0, 70);
        ui->dbg_Servicos->setColumnWidth(1, 300);
    });
    ui->dbg_Servicos->horizontalHeader()->setStretchLastSection(true);
    connect(ui->dbg_Servicos, &QAbstractItemView::doubleClicked, this, &Tfrm_CadServicos::dbg_ServicosDblClick);

    modoInclusao(false);
    ui->IMG_Excluir->hide(); // só aparece depois do primeiro salvar ou cancelar
    ModuloDados->AbreServicos();
}

Tfrm_CadServicos::~Tfrm_CadServicos() = default;

void Tfrm_CadServicos::modoInclusao(bool incluindo)
{
    ui->IMG_Novo->setVisible(!incluindo);
    ui->IMG_Buscar->setVisible(!incluindo);
    ui->IMG_Excluir->setVisible(!incluindo);
    ui->IMG_Salvar->setVisible(incluindo);
    ui->IMG_Cancelar->setVisible(incluindo);
}

bool Tfrm_CadServicos::valorValido(double& valor)
{
    const QString texto = ui->edt_Valor->text();
    try {
        // o separador de milhar só sai ao entrar no campo; digitado depois, o valor é recusado
        if (texto.contains(QLocale().groupSeparator()))
            throw EConversao(QStringLiteral("'%1' não é um valor válido").arg(texto).toStdString());
        valor = ValorDeTexto(texto);
        return true;
    } catch (const EConversao& erro) {
        Dialogos().mensagem(QStringLiteral("O valor digitado está inválido : ") + QString::fromUtf8(erro.what()));
        ui->edt_Valor->setFocus();
        return false;
    }
}

void Tfrm_CadServicos::IMG_NovoClick()
{
    ui->IMG_Novo->hide();
    ui->IMG_Excluir->hide();
    ui->IMG_Buscar->hide();
    ui->IMG_Salvar->show();
    ui->IMG_Cancelar->show();
}

void Tfrm_CadServicos::IMG_SalvarClick()
{
    const QString servico = ui->edt_Servico->text().trimmed();
    if (servico.isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Informe a descrição do serviço!"));
        ui->edt_Servico->setFocus();
        return;
    }
    const QString problema = ProblemaNoTexto(servico, 50, QStringLiteral("Descrição do serviço"));
    if (!problema.isEmpty()) {
        Dialogos().mensagem(problema);
        ui->edt_Servico->setFocus();
        return;
    }
    double valor = 0;
    if (!valorValido(valor))
        return;
    ModuloDados->GravarServico(servico, valor);
    modoInclusao(false);
    ModuloDados->AbreServicos();
}

void Tfrm_CadServicos::IMG_CancelarClick()
{
    ui->edt_Servico->clear();
    ui->edt_Valor->clear();
    modoInclusao(false);
}

void Tfrm_CadServicos::IMG_ExcluirClick()
{
    TDataset* servicos = ModuloDados->Qry_Servicos;
    ui->IMG_Novo->show();
    ui->IMG_Buscar->show();
    ui->IMG_Salvar->hide();
    ui->IMG_Excluir->hide();
    ui->IMG_Cancelar->hide();
    if (servicos->linhaAtual() < 0)
        return; // lista vazia: nada a excluir
    ModuloDados->ExcluirServico(servicos->campo(QStringLiteral("CDCONTROLE")).toInt());
    ModuloDados->AbreServicos();
}

void Tfrm_CadServicos::dbg_ServicosDblClick()
{
    TDataset* servicos = ModuloDados->Qry_Servicos;
    if (servicos->linhaAtual() < 0)
        return;
    ModuloDados->vServicoSelecionado = servicos->campo(QStringLiteral("SERVICO")).toString();
    // duas casas, sem separador de milhar: a ordem de serviço lê o texto de volta como número
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    ModuloDados->vValorServicoSelecionado = local.toString(servicos->campo(QStringLiteral("VALOR")).toDouble(), 'f', 2);
    accept();
}

void Tfrm_CadServicos::keyPressEvent(QKeyEvent* evento)
{
    // a janela não fecha com Esc
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void Tfrm_CadServicos::done(int resultado)
{
    ModuloDados->Qry_Servicos->fechar();
    QDialog::done(resultado);
}
