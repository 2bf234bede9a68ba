#include "stock/u_CadProdutos.h"

#include <QAction>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>

#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "stock/u_cad_Entrada_produto.h"
#include "ui_u_CadProdutos.h"

namespace {

const TRegistroTela registroProdutos("Produtos", [](QWidget* pai) {
    Tfrm_CadProdutos janela(pai);
    janela.setTag(Tfrm_CadProdutos::ModoNovo);
    Dialogos().executarModal(&janela);
});

// Lista de escolha da venda: depois de fechar, vCdProdutoSelecionado > 0 é o produto escolhido.
const TRegistroTela registroEscolherProduto("Produtos.Escolher", [](QWidget* pai) {
    ModuloDados->vCdProdutoSelecionado = 0;
    Tfrm_CadProdutos janela(pai);
    for (const char* nome : {"gb_UN", "gb_Valor", "gb_Qtde", "btn_Gravar"})
        janela.findChild<QWidget*>(QLatin1String(nome))->hide();
    janela.setTag(Tfrm_CadProdutos::ModoEscolher);
    Dialogos().executarModal(&janela);
});

bool ehEnter(const QKeyEvent* tecla)
{
    return tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
}

} // namespace

QString TextoDeQuantidade(double quantidade)
{
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    return local.toString(quantidade == 0 ? 0.0 : quantidade, 'f', QLocale::FloatingPointShortest);
}

Tfrm_CadProdutos::Tfrm_CadProdutos(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::Tfrm_CadProdutos>())
{
    ui->setupUi(this);
    DefinirCaixa(ui->edt_Produto, TCaixa::Maiusculas);
    DefinirCaixa(ui->cb_UN, TCaixa::Maiusculas);
    ui->cb_UN->lineEdit()->setMaxLength(2);
    ui->cb_UN->setCurrentIndex(-1);
    ui->StatusBar1->addWidget(new QLabel(QStringLiteral("Clique 2x com o mouse sobre o produto para alterar")), 1);
    ui->StatusBar1->addWidget(
        new QLabel(QStringLiteral("Clique com o botão direito do mouse sobre o produto para excluir")), 1);

    // o menu da lista vale em todos os modos; os atalhos valem na janela inteira
    m_menu = new QMenu(this);
    act_Excluir = m_menu->addAction(QStringLiteral("Excluir"), this, &Tfrm_CadProdutos::Excluir);
    act_Excluir->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Delete));
    act_DarEntrada = m_menu->addAction(QStringLiteral("Dar entrada de produto"), this, &Tfrm_CadProdutos::DarEntrada);
    act_DarEntrada->setShortcut(QKeySequence(Qt::Key_F4));
    act_Buscar = m_menu->addAction(QStringLiteral("Buscar"), this, &Tfrm_CadProdutos::Buscar);
    act_Buscar->setShortcut(QKeySequence(Qt::Key_F3));
    addActions(m_menu->actions());
    connect(ui->dbg_ListaEstoque, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& ponto) { m_menu->popup(ui->dbg_ListaEstoque->viewport()->mapToGlobal(ponto)); });

    TDataset* estoque = ModuloDados->Qry_Estoque;
    estoque->definirTitulo(QStringLiteral("CDCONTROLE"), QStringLiteral("Código"));
    estoque->definirTitulo(QStringLiteral("PRODUTO"), QStringLiteral("Produto"));
    estoque->definirTitulo(QStringLiteral("UN"), QStringLiteral("UN"));
    estoque->definirTitulo(QStringLiteral("QTDE_ATUAL"), QStringLiteral("Qtde atual"));
    estoque->definirTitulo(QStringLiteral("VALOR_VENDA"), QStringLiteral("R$ Venda"));
    estoque->definirTitulo(QStringLiteral("REFERENCIA"), QStringLiteral("Referência"));
    estoque->vincular(ui->dbg_ListaEstoque);
    connect(estoque, &QAbstractItemModel::modelReset, this, &Tfrm_CadProdutos::ajustarColunas);
    connect(ui->dbg_ListaEstoque, &QAbstractItemView::doubleClicked, this, &Tfrm_CadProdutos::dbg_ListaEstoqueEscolher);

    connect(ui->btn_Gravar, &QPushButton::clicked, this, &Tfrm_CadProdutos::btn_GravarClick);
    connect(ui->edt_Produto, &QLineEdit::textChanged, this, &Tfrm_CadProdutos::edt_ProdutoChange);
    // escolher uma unidade na lista aberta passa para a quantidade
    connect(ui->cb_UN, qOverload<int>(&QComboBox::activated), this, [this] { ui->edt_QTDE->setFocus(); });

    for (QObject* o :
         std::initializer_list<QObject*>{ui->edt_Produto, ui->edt_codBarras, ui->cb_UN, ui->cb_UN->lineEdit(),
                                         ui->edt_QTDE, ui->edt_Valor, ui->edt_fornecedor, ui->dbg_ListaEstoque})
        o->installEventFilter(this);

    ModuloDados->AbreEstoque();
}

Tfrm_CadProdutos::~Tfrm_CadProdutos()
{
    if (ModuloDados && ModuloDados->Qry_Estoque->ativo())
        ModuloDados->Qry_Estoque->fechar();
}

void Tfrm_CadProdutos::done(int resultado)
{
    ModuloDados->Qry_Estoque->fechar();
    QDialog::done(resultado);
}

void Tfrm_CadProdutos::ajustarColunas()
{
    static const QStringList visiveis{QStringLiteral("CDCONTROLE"),  QStringLiteral("PRODUTO"),
                                      QStringLiteral("UN"),          QStringLiteral("QTDE_ATUAL"),
                                      QStringLiteral("VALOR_VENDA"), QStringLiteral("REFERENCIA")};
    const TDataset* estoque = ModuloDados->Qry_Estoque;
    QTableView* grade = ui->dbg_ListaEstoque;
    for (int coluna = 0; coluna < estoque->columnCount(); ++coluna) {
        const QString campo = estoque->record().fieldName(coluna).toUpper();
        grade->setColumnHidden(coluna, !visiveis.contains(campo));
        if (campo == QLatin1String("PRODUTO"))
            grade->setColumnWidth(coluna, 360);
        else if (campo == QLatin1String("CDCONTROLE") || campo == QLatin1String("UN"))
            grade->setColumnWidth(coluna, campo == QLatin1String("UN") ? 50 : 70);
        else
            grade->setColumnWidth(coluna, 100);
    }
}

bool Tfrm_CadProdutos::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ui->edt_fornecedor) {
        if (evento->type() == QEvent::FocusIn) {
            // voltar de outra janela não é "entrar no campo"
            const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
            if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason)
                edt_fornecedorEnter();
        } else if (evento->type() == QEvent::MouseButtonDblClick) {
            escolherFornecedor();
            return true;
        }
    }
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objeto, evento);
    auto* tecla = static_cast<QKeyEvent*>(evento);

    if (objeto == ui->edt_Produto) {
        if (ehEnter(tecla)) {
            ui->edt_codBarras->setFocus();
            return true;
        }
        if (tecla->key() == Qt::Key_Down && m_tag == ModoEscolher) {
            ui->dbg_ListaEstoque->setFocus();
            return true;
        }
    } else if (objeto == ui->edt_codBarras && ehEnter(tecla)) {
        edt_codBarrasEnter();
        return true;
    } else if ((objeto == ui->cb_UN || objeto == ui->cb_UN->lineEdit()) && ehEnter(tecla)) {
        ui->edt_QTDE->setFocus();
        return true;
    } else if (objeto == ui->edt_QTDE && ehEnter(tecla)) {
        ui->edt_Valor->setFocus();
        return true;
    } else if (objeto == ui->edt_Valor && ehEnter(tecla)) {
        btn_GravarClick();
        return true;
    } else if (objeto == ui->edt_fornecedor) {
        if (tecla->key() == Qt::Key_Delete || tecla->key() == Qt::Key_Backspace) {
            limparFornecedor();
            return true;
        }
        if (ehEnter(tecla) || tecla->key() == Qt::Key_Space) {
            escolherFornecedor();
            return true;
        }
    } else if (objeto == ui->dbg_ListaEstoque && ehEnter(tecla)) {
        dbg_ListaEstoqueEscolher();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_CadProdutos::edt_codBarrasEnter()
{
    const QString codigo = ui->edt_codBarras->text();
    if (codigo.isEmpty())
        return;
    if (ModuloDados->ExisteCodigodeBarras(codigo)) {
        Dialogos().mensagem(QStringLiteral("Já existe esse código de barras cadastrado no seu estoque! Irei abrir "
                                           "para que você possa avaliar"));
        ModuloDados->AbreProdutoPelocodigodeBarra(codigo);
        return;
    }
    ui->cb_UN->setFocus();
}

void Tfrm_CadProdutos::edt_ProdutoChange(const QString& texto)
{
    if (m_tag != ModoEscolher)
        return;
    TDataset* estoque = ModuloDados->Qry_Estoque;
    estoque->fechar();
    estoque->setSQL({QStringLiteral("SELECT * FROM ESTOQUE WHERE PRODUTO LIKE :PRODUTO ORDER BY PRODUTO")});
    estoque->setParametro(QStringLiteral("PRODUTO"), texto + QLatin1Char('%'));
    estoque->abrir();
}

void Tfrm_CadProdutos::edt_fornecedorEnter()
{
    if (!ui->edt_fornecedor->text().isEmpty())
        return;
    escolherFornecedor();
}

void Tfrm_CadProdutos::escolherFornecedor()
{
    if (m_escolhendoFornecedor)
        return;
    m_escolhendoFornecedor = true;
    // zerado antes: assim se sabe se a lista escolheu alguém ou foi fechada sem escolha
    const int anterior = ModuloDados->vp_CDFORNECEDOR;
    ModuloDados->vp_CDFORNECEDOR = 0;
    AbrirTela(QStringLiteral("Fornecedores.Escolher"), this);
    const int escolhido = ModuloDados->vp_CDFORNECEDOR;
    m_escolhendoFornecedor = false;
    if (escolhido <= 0) {
        ModuloDados->vp_CDFORNECEDOR = anterior;
        return;
    }
    m_cdFornecedor = escolhido;
    ui->edt_fornecedor->setText(ModuloDados->Fornecedor(escolhido).vRAZAOSOCIAL);
}

void Tfrm_CadProdutos::limparFornecedor()
{
    m_cdFornecedor = 0;
    ui->edt_fornecedor->clear();
}

bool Tfrm_CadProdutos::validar(double& valor, double& qtde)
{
    if (ui->edt_Produto->text().trimmed().isEmpty() || ui->cb_UN->currentText().trimmed().isEmpty() ||
        ui->edt_Valor->text().trimmed().isEmpty() || ui->edt_QTDE->text().trimmed().isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Todos os campos devem ser preenchidos"));
        return false;
    }
    if (!LerValor(ui->edt_Valor->text(), valor) || !LerValor(ui->edt_QTDE->text(), qtde)) {
        Dialogos().mensagem(QStringLiteral("Campo Qtde ou o Valor está informado errado"));
        return false;
    }
    return TextosAceitos({{ui->edt_Produto->text(), 50, QStringLiteral("Produto")},
                          {ui->edt_codBarras->text(), 14, QStringLiteral("Código de Barra")},
                          {ui->cb_UN->currentText(), 2, QStringLiteral("UN")}});
}

void Tfrm_CadProdutos::btn_GravarClick()
{
    if (m_tag == ModoEscolher)
        return;
    double valor = 0;
    double qtde = 0;
    if (!validar(valor, qtde))
        return;
    const QString produto = ui->edt_Produto->text().trimmed();
    const QString un = ui->cb_UN->currentText().trimmed();
    const QString codBarras = ui->edt_codBarras->text().trimmed();
    const bool alterando = m_tag == ModoAlterar;
    if (alterando)
        ModuloDados->AlterarEstoque(m_cdProdutoCarregado, produto, un, qtde, valor, codBarras, m_cdFornecedor);
    else
        ModuloDados->GravarEstoque(produto, un, qtde, valor, QString(), codBarras, m_cdFornecedor);
    LimparCampos();
    m_tag = ModoNovo;
    m_cdProdutoCarregado = 0;
    ModuloDados->AbreEstoque();
    Dialogos().mensagem(alterando ? QStringLiteral("Produto alterado com sucesso!")
                                  : QStringLiteral("Produto cadastrado com sucesso!"));
    ui->edt_Produto->setFocus();
}

void Tfrm_CadProdutos::dbg_ListaEstoqueEscolher()
{
    TDataset* estoque = ModuloDados->Qry_Estoque;
    if (estoque->linhaAtual() < 0)
        return;
    const int codigo = estoque->campo(QStringLiteral("CDCONTROLE")).toInt();
    if (m_tag == ModoEscolher) {
        ModuloDados->vCdProdutoSelecionado = codigo;
        accept();
        return;
    }
    carregarProduto(codigo);
}

void Tfrm_CadProdutos::carregarProduto(int codigo)
{
    m_tag = ModoAlterar;
    m_cdProdutoCarregado = codigo;
    const TEstoque produto = ModuloDados->FEstoque(codigo);
    ui->edt_Produto->setText(produto.var_PRODUTO);
    ui->cb_UN->setEditText(produto.var_UN);
    ui->edt_Valor->setText(FormatarValor(produto.var_VALOR_VENDA));
    ui->edt_QTDE->setText(TextoDeQuantidade(produto.var_QTDE_ATUAL));
    ui->edt_codBarras->setText(produto.var_CODBARRA);
    m_cdFornecedor = produto.var_CDFORNECEDOR_PADRAO;
    ui->edt_fornecedor->setText(m_cdFornecedor != 0 ? ModuloDados->Fornecedor(m_cdFornecedor).vRAZAOSOCIAL : QString());
    ModuloDados->vp_CDFORNECEDOR = m_cdFornecedor;
    ui->edt_Produto->setFocus();
}

void Tfrm_CadProdutos::LimparCampos()
{
    ui->edt_Produto->clear();
    ui->edt_Valor->clear();
    ui->edt_QTDE->clear();
    ui->edt_codBarras->clear();
    limparFornecedor();
    // só o texto: as cinco unidades continuam na lista
    ui->cb_UN->setCurrentIndex(-1);
    ui->cb_UN->clearEditText();
}

void Tfrm_CadProdutos::Excluir()
{
    TDataset* estoque = ModuloDados->Qry_Estoque;
    if (estoque->linhaAtual() < 0)
        return;
    const int codigo = estoque->campo(QStringLiteral("CDCONTROLE")).toInt();
    if (!Dialogos().pergunta(QStringLiteral("Confirma excluir este ítem?"), QStringLiteral("Atenção"), false))
        return;
    ModuloDados->ExcluirProduto(codigo);
    // o produto que estava nos campos para alterar não existe mais: o próximo Salvar inclui
    if (m_tag == ModoAlterar && codigo == m_cdProdutoCarregado) {
        LimparCampos();
        m_tag = ModoNovo;
        m_cdProdutoCarregado = 0;
    }
    ModuloDados->AbreEstoque();
}

void Tfrm_CadProdutos::Buscar()
{
    QString nome;
    if (!Dialogos().entrada(QStringLiteral("Digite o nome do produto"), QStringLiteral("Buscando"), nome))
        return;
    nome = nome.toUpper();
    if (nome.isEmpty())
        return;
    ModuloDados->Qry_Estoque->localizar(QStringLiteral("PRODUTO"), nome, true);
}

void Tfrm_CadProdutos::DarEntrada()
{
    TDataset* estoque = ModuloDados->Qry_Estoque;
    if (estoque->linhaAtual() < 0) {
        Dialogos().mensagem(QStringLiteral("Atenção\nNão há produto na lista para dar entrada no estoque"));
        return;
    }
    const int codigo = estoque->campo(QStringLiteral("CDCONTROLE")).toInt();
    ModuloDados->vp_cdproduto = codigo;
    {
        Tfrm_Cad_entrada_produto entrada(this);
        Dialogos().executarModal(&entrada);
    }
    // a lista mostra a quantidade que a base acertou com as entradas
    estoque->abrir();
    estoque->localizar(QStringLiteral("CDCONTROLE"), codigo);
}
