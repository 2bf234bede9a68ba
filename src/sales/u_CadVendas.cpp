#include "sales/u_CadVendas.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>

#include "core/u_ArquivoIni.h"
#include "core/u_Dataset.h"
#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "sales/u_Alterar_qtde_e_valor_na_venda.h"
#include "sales/u_RegrasVenda.h"
#include "ui_u_CadVendas.h"

namespace {

// A janela principal zera vCDCONTROLE_CLIENTE antes de abrir.
const TRegistroTela registroVenda("Venda", [](QWidget* pai) {
    Tfrm_CadVendas frm_CadVendas(pai);
    Dialogos().executarModal(&frm_CadVendas);
});

bool ehEnter(const QKeyEvent* tecla)
{
    return tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
}

} // namespace

Tfrm_CadVendas::Tfrm_CadVendas(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Tfrm_CadVendas>())
{
    ui->setupUi(this);
    DefinirCaixa(ui->edt_Produto, TCaixa::Maiusculas);
    DefinirCaixa(ui->edt_Cliente, TCaixa::Maiusculas);
    ui->cb_FormaPagamento->lineEdit()->setMaxLength(30); // VENDA.FORMA_PAGAMENTO
    ui->cb_FormaPagamento->setCurrentIndex(-1);
    ui->cb_FormaPagamento->clearEditText();
    ui->edt_Cliente->setText(kConsumidorPadrao);
    ui->pn_3->hide();
    ui->pn_troco->hide();

    // menu principal "Arquivo"
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* arquivo = MainMenu1->addMenu(QStringLiteral("Arquivo"));
    arquivo->setObjectName(QStringLiteral("Arquivo1"));
    Salvar1 = arquivo->addAction(QStringLiteral("Salvar"), this, &Tfrm_CadVendas::Salvar1Click);
    Salvar1->setObjectName(QStringLiteral("Salvar1"));
    Salvar1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Imprimir1 = arquivo->addAction(QStringLiteral("Imprimir"), this, &Tfrm_CadVendas::Imprimir1Click);
    Imprimir1->setObjectName(QStringLiteral("Imprimir1"));
    Imprimir1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Imprimir1->setEnabled(TelaDisponivel(QStringLiteral("ImprimeVenda")));
    GerenciarVendas1 = arquivo->addAction(QStringLiteral("Gerenciar Vendas"), this, &Tfrm_CadVendas::GerenciarVendas1Click);
    GerenciarVendas1->setObjectName(QStringLiteral("GerenciarVendas1"));
    GerenciarVendas1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    GerenciarVendas1->setEnabled(TelaDisponivel(QStringLiteral("ListaVendas")));
    addActions({Salvar1, Imprimir1, GerenciarVendas1});
    layout()->setMenuBar(MainMenu1);

    // a grade só lê; Del e Enter são as únicas ações nela
    TDataset* itens = ModuloDados->Qry_Itens_Venda;
    itens->definirTitulo(QStringLiteral("CDPRODUTO"), QStringLiteral("Código"));
    itens->definirTitulo(QStringLiteral("PRODUTO"), QStringLiteral("Produto"));
    itens->definirTitulo(QStringLiteral("UN"), QStringLiteral("UN"));
    itens->definirTitulo(QStringLiteral("VALOR_PRODUTO"), QStringLiteral("Valor do produto"));
    itens->definirTitulo(QStringLiteral("QTDE"), QStringLiteral("Qtde"));
    itens->definirTitulo(QStringLiteral("VALOR_TOTAL"), QStringLiteral("Valor total"));
    itens->vincular(ui->dbg_Itens);
    connect(itens, &QAbstractItemModel::modelReset, this, [this] {
        static const QStringList visiveis{QStringLiteral("CDPRODUTO"),     QStringLiteral("PRODUTO"),
                                          QStringLiteral("UN"),            QStringLiteral("VALOR_PRODUTO"),
                                          QStringLiteral("QTDE"),          QStringLiteral("VALOR_TOTAL")};
        const TDataset* ds = ModuloDados->Qry_Itens_Venda;
        const QSqlRecord r = ds->record();
        // colunas na ordem dos títulos, as outras escondidas
        for (int c = 0; c < r.count(); ++c)
            ui->dbg_Itens->setColumnHidden(c, true);
        QHeaderView* cab = ui->dbg_Itens->horizontalHeader();
        int posicao = 0;
        for (const QString& campo : visiveis) {
            const int c = r.indexOf(campo);
            if (c < 0)
                continue;
            ui->dbg_Itens->setColumnHidden(c, false);
            cab->moveSection(cab->visualIndex(c), posicao++);
            ui->dbg_Itens->setColumnWidth(c, campo == QLatin1String("PRODUTO") ? 380 : campo == QLatin1String("UN") ? 45 : 110);
        }
    });

    // impressora das vendas, só para mostrar: o cupom escolhe a impressora ao imprimir
    const QString impressora = TArquivoIni(PastaAplicacao() + QStringLiteral("Impressora.ini"))
                                   .ler(QStringLiteral("IMPRESSORA_VENDAS"), QStringLiteral("NOME"),
                                        QStringLiteral("Erro ao ler o valor"));
    m_painelImpressora = new QLabel(QStringLiteral("Impressora definida : ") + impressora, this);
    m_painelImpressora->setObjectName(QStringLiteral("Barrastatus_Painel1"));
    m_painel2 = new QLabel(this);
    m_painel2->setObjectName(QStringLiteral("Barrastatus_Painel2"));
    ui->Barrastatus->addWidget(m_painelImpressora, 1);
    ui->Barrastatus->addWidget(m_painel2, 1);

    connect(ui->btnFechar, &QPushButton::clicked, this, &Tfrm_CadVendas::btnFecharClick);
    connect(ui->btnBuscarCliente, &QPushButton::clicked, this, &Tfrm_CadVendas::btnBuscarClienteClick);
    connect(ui->btn_GravarVenda, &QPushButton::clicked, this, &Tfrm_CadVendas::btn_GravarVendaClick);
    connect(ui->cb_FormaPagamento, &QComboBox::editTextChanged, this, &Tfrm_CadVendas::cb_FormaPagamentoChange);
    for (QObject* o : std::initializer_list<QObject*>{ui->edt_Produto, ui->edt_Cliente, ui->edt_pago, ui->edt_troco,
                                                      ui->dbg_Itens})
        o->installEventFilter(this);

    AtualizarItens();
    ui->edt_Produto->setFocus();
}

Tfrm_CadVendas::~Tfrm_CadVendas()
{
    if (ModuloDados && ModuloDados->Qry_Itens_Venda->ativo())
        ModuloDados->Qry_Itens_Venda->fechar();
}

void Tfrm_CadVendas::done(int resultado)
{
    // sair da tela descarta a venda não gravada
    ModuloDados->LimpaItenssemVENDA();
    ModuloDados->Qry_Itens_Venda->fechar();
    QDialog::done(resultado);
}

bool Tfrm_CadVendas::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objeto, evento);
    auto* tecla = static_cast<QKeyEvent*>(evento);

    if (objeto == ui->edt_Produto) {
        if (ehEnter(tecla)) {
            edt_ProdutoEnter();
            return true;
        }
        // com o menu "Salvar" desabilitado o atalho não dispara: vale o botão (e a sua mensagem)
        if (tecla->key() == Qt::Key_S && (tecla->modifiers() & Qt::ControlModifier) && !Salvar1->isEnabled()) {
            btnFecharClick();
            return true;
        }
    } else if (objeto == ui->edt_Cliente && tecla->key() == Qt::Key_F2) {
        ui->edt_Cliente->setText(kConsumidorPadrao);
        // consumidor padrão não é cliente: a venda não fica no código de quem foi escolhido antes
        ModuloDados->vCDCONTROLE_CLIENTE = 0;
        return true;
    } else if (objeto == ui->edt_pago && ehEnter(tecla)) {
        edt_pagoEnter();
        return true;
    } else if (objeto == ui->edt_troco && ehEnter(tecla)) {
        btn_GravarVendaClick();
        return true;
    } else if (objeto == ui->dbg_Itens) {
        if (tecla->key() == Qt::Key_Delete) {
            ExcluirItem();
            return true;
        }
        if (ehEnter(tecla)) {
            CorrigirItem();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

int Tfrm_CadVendas::QtdeItens() const
{
    TDataset* itens = ModuloDados->Qry_Itens_Venda;
    return itens->ativo() ? itens->registros() : 0;
}

void Tfrm_CadVendas::AtualizarItens()
{
    Salvar1->setEnabled(QtdeItens() > 0);
}

void Tfrm_CadVendas::edt_ProdutoEnter()
{
    const QString texto = ui->edt_Produto->text();
    if (texto.isEmpty()) {
        ModuloDados->vCdProdutoSelecionado = 0;
        if (TelaDisponivel(QStringLiteral("Produtos.Escolher")))
            AbrirTela(QStringLiteral("Produtos.Escolher"), this);
        const int escolhido = ModuloDados->vCdProdutoSelecionado;
        if (escolhido > 0) {
            ui->edt_Produto->setText(ModuloDados->FEstoque(escolhido).var_PRODUTO);
            AdicionarProduto(escolhido);
        }
        ui->edt_Produto->setFocus();
        return;
    }
    // só código de barras: nomes e códigos desconhecidos ficam no campo
    if (TModuloDados::ContemApenasNumeros(texto) && ModuloDados->ExisteCodigodeBarras(texto)) {
        ModuloDados->AbreProdutoPelocodigodeBarra(texto);
        ModuloDados->Qry_Estoque->primeiro();
        ModuloDados->vCdProdutoSelecionado = ModuloDados->Qry_Estoque->campo(QStringLiteral("CDCONTROLE")).toInt();
        ModuloDados->Qry_Estoque->fechar();
        AdicionarProduto(ModuloDados->vCdProdutoSelecionado);
    }
    ui->edt_Produto->setFocus();
}

void Tfrm_CadVendas::AdicionarProduto(int cdProduto)
{
    if (!ModuloDados->CodigoProdutoExiste(cdProduto))
        return;
    const TEstoque produto = ModuloDados->FEstoque(cdProduto);
    const int nrVenda = ModuloDados->GerarNrodaVenda();
    ModuloDados->Gravar_Itens_da_Venda(nrVenda, cdProduto, produto.var_VALOR_VENDA, 1);
    ModuloDados->AbrirItensVenda(nrVenda);
    AtualizarItens();
    ui->edt_Produto->clear();
    ui->edt_Produto->setFocus();
}

void Tfrm_CadVendas::btnFecharClick()
{
    if (QtdeItens() == 0) {
        Dialogos().mensagem(MensagemDaFalha(TFalhaVenda::SemItens));
        return;
    }
    ui->btnFechar->hide();
    Salvar1Click();
}

void Tfrm_CadVendas::Salvar1Click()
{
    ui->pn_3->show();
    ui->edt_Cliente->setFocus();
    ui->edt_Cliente->selectAll();
}

void Tfrm_CadVendas::btnBuscarClienteClick()
{
    if (!TelaDisponivel(QStringLiteral("Clientes.Selecionar")))
        return;
    AbrirTela(QStringLiteral("Clientes.Selecionar"), this);
    ui->edt_Cliente->clear();
    ui->edt_Cliente->setText(ModuloDados->FCliente(ModuloDados->vCDCONTROLE_CLIENTE).var_NOME);
}

void Tfrm_CadVendas::cb_FormaPagamentoChange(const QString& texto)
{
    if (texto != QLatin1String("DINHEIRO"))
        return;
    ui->pn_troco->show();
    ui->edt_total_da_venda->setText(FormatarValor(ModuloDados->TotaldaVenda(ModuloDados->GerarNrodaVenda())));
    ui->edt_pago->setFocus();
}

void Tfrm_CadVendas::edt_pagoEnter()
{
    const double total = ModuloDados->TotaldaVenda(ModuloDados->GerarNrodaVenda());
    const TTroco troco = CalcularTroco(ui->edt_pago->text(), total);
    if (troco.situacao != TTroco::Ok) {
        if (troco.situacao == TTroco::PagoMenorQueTotal)
            Dialogos().mensagem(QStringLiteral("Foi informado um valor pago menor que o valor total!"));
        Dialogos().mensagem(QStringLiteral("O Valor digitado está errado!"));
        ui->edt_pago->setFocus();
        return;
    }
    ui->edt_pago->setText(FormatarValor(troco.pago));
    ui->edt_troco->setText(FormatarValor(troco.troco));
    ui->edt_troco->setFocus();
}

void Tfrm_CadVendas::btn_GravarVendaClick()
{
    const int nrVenda = ModuloDados->GerarNrodaVenda();
    const int qtdeLinhas =
        ModuloDados->LerValor({QStringLiteral("SELECT COUNT(*) FROM ITENS_VENDA WHERE NRVENDA = :NRVENDA")},
                              {{QStringLiteral("NRVENDA"), nrVenda}})
            .toInt();
    const QString cliente = ui->edt_Cliente->text();
    const QString forma = ui->cb_FormaPagamento->currentText();
    const TFalhaVenda falha = ConferirVenda(qtdeLinhas, cliente, forma);
    if (falha != TFalhaVenda::Nenhuma) {
        Dialogos().mensagem(MensagemDaFalha(falha));
        if (falha == TFalhaVenda::SemCliente)
            ui->edt_Cliente->setFocus();
        else if (falha == TFalhaVenda::SemItens)
            ui->edt_Produto->setFocus();
        else
            ui->cb_FormaPagamento->setFocus();
        return;
    }
    const QString problema = ProblemaNoTexto(forma, 30, QStringLiteral("Forma de Pagamento"));
    if (!problema.isEmpty()) {
        Dialogos().mensagem(problema);
        ui->cb_FormaPagamento->setFocus();
        return;
    }
    // VENDA.CLIENTE tem 60 posições; o nome do cadastro pode ter mais
    ModuloDados->Gravar_Venda(nrVenda, Hoje(), cliente.left(60), ModuloDados->vCDCONTROLE_CLIENTE, forma, 0);
    m_ultimaVenda = nrVenda;

    ModuloDados->Qry_Itens_Venda->fechar();
    AtualizarItens();
    ui->cb_FormaPagamento->setCurrentIndex(-1);
    ui->cb_FormaPagamento->clearEditText();
    ui->pn_3->hide();
    ui->pn_troco->hide();
    ui->btnFechar->show();
    ui->edt_Produto->setFocus();
    // a venda já está gravada: uma falha na impressão não a desfaz
    ImprimirVenda(nrVenda);
}

void Tfrm_CadVendas::ImprimirVenda(int nrVenda)
{
    if (!TelaDisponivel(QStringLiteral("ImprimeVenda")))
        return;
    ModuloDados->vNRVENDA_Impressao = nrVenda;
    AbrirTela(QStringLiteral("ImprimeVenda"), this);
}

void Tfrm_CadVendas::ExcluirItem()
{
    TDataset* itens = ModuloDados->Qry_Itens_Venda;
    if (!itens->ativo() || itens->linhaAtual() < 0)
        return;
    ModuloDados->ExcluirItemDaVenda(itens->campo(QStringLiteral("CDCONTROLE")).toInt());
    ModuloDados->AbrirItensVenda(ModuloDados->GerarNrodaVenda());
    AtualizarItens();
    ui->dbg_Itens->setFocus();
}

void Tfrm_CadVendas::CorrigirItem()
{
    TDataset* itens = ModuloDados->Qry_Itens_Venda;
    if (!itens->ativo() || itens->linhaAtual() < 0)
        return;
    const int controle = itens->campo(QStringLiteral("CDCONTROLE")).toInt();
    Tfrm_Alterar_qtde_e_valor frm_Alterar_qtde_e_valor(this);
    frm_Alterar_qtde_e_valor.preencher(itens->campo(QStringLiteral("QTDE")).toDouble(),
                                       itens->campo(QStringLiteral("VALOR_PRODUTO")).toDouble());
    // fechada sem "Ok", a linha fica como estava
    if (Dialogos().executarModal(&frm_Alterar_qtde_e_valor) != QDialog::Accepted)
        return;
    ModuloDados->AlterarQtdeeValorVENDA(controle, ModuloDados->vQtdeAlteradanaVenda,
                                        ModuloDados->vValoralteradonaVenda);
    ModuloDados->AbrirItensVenda(ModuloDados->GerarNrodaVenda());
    AtualizarItens();
    ui->dbg_Itens->setFocus();
}

void Tfrm_CadVendas::Imprimir1Click()
{
    if (m_ultimaVenda == 0) {
        Dialogos().mensagem(QStringLiteral("Atenção\nNenhuma venda foi gravada nesta tela para reimprimir"));
        return;
    }
    ImprimirVenda(m_ultimaVenda);
}

void Tfrm_CadVendas::GerenciarVendas1Click()
{
    AbrirTela(QStringLiteral("ListaVendas"), this);
}
