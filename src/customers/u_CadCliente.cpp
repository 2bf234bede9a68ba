#include "customers/u_CadCliente.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>

#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "customers/u_ConsultasWeb.h"
#include "customers/u_IconesCadastro.h"
#include "ui_u_CadCliente.h"
#include "util/u_alicerce_com.h"

//==================================================================================================
// MudarComEnter
//==================================================================================================

namespace {

class TFiltroMudarComEnter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyPress)
            return false;
        QWidget* foco = QApplication::focusWidget();
        // a tecla passa pelo filtro uma vez por widget que a recebe (o foco e os pais): só a primeira conta
        if (!foco || objeto != foco || QApplication::activePopupWidget())
            return false;
        if (qobject_cast<QPlainTextEdit*>(foco) || qobject_cast<QTextEdit*>(foco))
            return false;
        QWidget* janela = foco->window();
        if (qobject_cast<QMessageBox*>(janela))
            return false;
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        switch (tecla->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            mover(janela, foco, true);
            break;
        case Qt::Key_Up:
            mover(janela, foco, false);
            break;
        default:
            break;
        }
        return false; // o controle ainda recebe a tecla
    }

private:
    static void mover(QWidget* janela, QWidget* foco, bool adiante)
    {
        QWidget* w = foco;
        for (;;) {
            w = adiante ? w->nextInFocusChain() : w->previousInFocusChain();
            if (!w || w == foco)
                return;
            if (w->window() == janela && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isEnabled() &&
                w->isVisibleTo(janela)) {
                w->setFocus(adiante ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return;
            }
        }
    }
};

TFiltroMudarComEnter* g_mudarComEnter = nullptr;

} // namespace

void MudarComEnter()
{
    if (g_mudarComEnter || !qApp)
        return;
    g_mudarComEnter = new TFiltroMudarComEnter(qApp);
    qApp->installEventFilter(g_mudarComEnter);
}

bool MudarComEnterInstalado()
{
    return g_mudarComEnter != nullptr;
}

//==================================================================================================
// Tfrm_CadCliente
//==================================================================================================

Tfrm_CadCliente::Tfrm_CadCliente(QWidget* pai) : QDialog(pai), ui(std::make_unique<Ui::Tfrm_CadCliente>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_CadCliente"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    ui->IMG_Novo->setIcon(IconeCadastro(QStringLiteral("novo")));
    ui->IMG_Salvar->setIcon(IconeCadastro(QStringLiteral("salvar")));
    ui->IMG_Excluir->setIcon(IconeCadastro(QStringLiteral("excluir")));
    ui->IMG_Buscar->setIcon(IconeCadastro(QStringLiteral("buscar")));
    ui->IMG_Cancelar->setIcon(IconeCadastro(QStringLiteral("cancelar")));
    // dicas dos botões em balão azul com letra branca
    ui->pn_Botoes->setStyleSheet(QStringLiteral(
        "QToolTip { background-color: #1f5fbf; color: white; border: 1px solid #123b7a; padding: 4px; }"));
    // para o balão do programa, quando ele souber a cor pedida por controle
    for (QToolButton* b : {ui->IMG_Novo, ui->IMG_Salvar, ui->IMG_Excluir, ui->IMG_Buscar, ui->IMG_Cancelar})
        b->setProperty("corDaDica", QStringLiteral("#1f5fbf"));
    ui->IMG_Salvar->hide();
    ui->IMG_Excluir->hide();
    ui->IMG_Cancelar->hide();
    ui->grp_Codigo->hide();

    DefinirMascara(ui->edt_CEP, QStringLiteral("99999-000"));
    DefinirMascara(ui->edt_Celular, QStringLiteral("(00)00000-0000"));
    DefinirMascara(ui->edt_CPF, QStringLiteral("999.999.999-99"));
    DefinirMascara(ui->edt_RG, QStringLiteral("99.999.999-9"));
    for (QLineEdit* campo : {ui->edt_Nome, ui->edt_Endereco, ui->edt_NumeroEndereco, ui->edt_Bairro, ui->edt_OBS})
        DefinirCaixa(campo, TCaixa::Maiusculas);

    TDataset* cidades = ModuloDados->Qry_Cidades;
    ui->LCD_Cidades->vincular(cidades, QStringLiteral("CIDADE"));
    ui->LCD_Cidades->definirPesquisa(QStringLiteral("Busca cidades"),
                                     {{QStringLiteral("CIDADE"), QStringLiteral("Cidade")},
                                      {QStringLiteral("UF"), QStringLiteral("UF")},
                                      {QStringLiteral("CONTROLE"), QStringLiteral("Código")}});
    ui->LCD_Cidades->definirAbertura([] { ModuloDados->AbreCidades(); });
    ui->LCD_Cidades->setMaiusculas(true);
    connect(cidades, &TDataset::linhaAtualMudou, this, &Tfrm_CadCliente::mostrarUF);
    connect(cidades, &TDataset::fechou, this, &Tfrm_CadCliente::mostrarUF);
    connect(ui->LCD_Cidades->editor(), &QLineEdit::textChanged, this, &Tfrm_CadCliente::mostrarUF);

    TDataset* clientes = ModuloDados->Qry_Clientes;
    clientes->definirTitulo(QStringLiteral("CDCONTROLE"), QStringLiteral("Controle"));
    clientes->definirTitulo(QStringLiteral("NOME"), QStringLiteral("Nome"));
    clientes->vincular(ui->dbg_ListaDeClientes);
    connect(clientes, &QAbstractItemModel::modelReset, this, &Tfrm_CadCliente::ajustarColunas);
    ajustarColunas();
    ui->dbg_ListaDeClientes->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ui->dbg_ListaDeClientes->installEventFilter(this);
    connect(ui->dbg_ListaDeClientes, &QAbstractItemView::doubleClicked, this,
            &Tfrm_CadCliente::dbg_ListaDeClientesDblClick);
    connect(ui->dbg_ListaDeClientes, &QWidget::customContextMenuRequested, this, &Tfrm_CadCliente::mostrarMenuClientes);

    auto* painel1 = new QLabel(QStringLiteral("Clique 2x no nome para alterar"), this);
    auto* painel2 =
        new QLabel(QStringLiteral("Clique com o botão direito do mouse para que você possa obter mais açoes"), this);
    painel1->setObjectName(QStringLiteral("pn_Status1"));
    painel2->setObjectName(QStringLiteral("pn_Status2"));
    ui->BarraStatus->addWidget(painel1);
    ui->BarraStatus->addWidget(painel2, 1);

    connect(ui->IMG_Novo, &QToolButton::clicked, this, &Tfrm_CadCliente::IMG_NovoClick);
    connect(ui->IMG_Salvar, &QToolButton::clicked, this, &Tfrm_CadCliente::IMG_SalvarClick);
    connect(ui->IMG_Excluir, &QToolButton::clicked, this, &Tfrm_CadCliente::IMG_ExcluirClick);
    connect(ui->IMG_Buscar, &QToolButton::clicked, this, &Tfrm_CadCliente::IMG_BuscarClick);
    connect(ui->IMG_Cancelar, &QToolButton::clicked, this, &Tfrm_CadCliente::IMG_CancelarClick);

    connect(ui->edt_Nome, &QLineEdit::textEdited, this, &Tfrm_CadCliente::edt_NomeChange);
    AoSairDoCampo(ui->edt_Nome, [this] { edt_NomeExit(); });
    AoSairDoCampo(ui->edt_CPF, [this] { edt_CPFExit(); });
    AoSairDoCampo(ui->edt_CEP, [this] { edt_CEPExit(); });

    // Enter leva ao próximo campo (a regra do programa pode já ter movido o foco; este decide)
    const QVector<QPair<QLineEdit*, QWidget*>> cadeia{{ui->edt_Nome, ui->edt_CEP},
                                                      {ui->edt_CEP, ui->edt_Endereco},
                                                      {ui->edt_Endereco, ui->edt_NumeroEndereco},
                                                      {ui->edt_NumeroEndereco, ui->edt_Bairro},
                                                      {ui->edt_Bairro, ui->LCD_Cidades},
                                                      {ui->LCD_Cidades->editor(), ui->edt_Celular},
                                                      {ui->edt_Celular, ui->edt_CPF},
                                                      {ui->edt_CPF, ui->edt_RG}};
    for (const auto& elo : cadeia) {
        QWidget* proximo = elo.second;
        AoPressionarEnter(elo.first, [proximo] { proximo->setFocus(Qt::TabFocusReason); });
    }

    MudarComEnter();
    ModuloDados->AbreCidades();
    mostrarUF();
}

Tfrm_CadCliente::~Tfrm_CadCliente() = default;

void Tfrm_CadCliente::done(int resultado)
{
    ModuloDados->Qry_Cidades->fechar();
    QDialog::done(resultado);
}

void Tfrm_CadCliente::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

bool Tfrm_CadCliente::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == ui->dbg_ListaDeClientes && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Delete && (tecla->modifiers() & Qt::ControlModifier)) {
            dbg_ListaDeClientesCtrlDel();
            return true;
        }
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
            dbg_ListaDeClientesDblClick();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void Tfrm_CadCliente::ajustarColunas()
{
    TDataset* clientes = ModuloDados->Qry_Clientes;
    const int codigo = clientes->colunaDe(QStringLiteral("CDCONTROLE"));
    const int nome = clientes->colunaDe(QStringLiteral("NOME"));
    for (int c = 0; c < clientes->columnCount(); ++c)
        ui->dbg_ListaDeClientes->setColumnHidden(c, c != codigo && c != nome);
    if (codigo >= 0)
        ui->dbg_ListaDeClientes->setColumnWidth(codigo, 80);
}

void Tfrm_CadCliente::mostrarUF()
{
    // sem cidade na caixa não há UF, seja qual for a linha em que a lista de cidades está
    ui->edt_UF->setText(ui->LCD_Cidades->texto().isEmpty()
                            ? QString()
                            : ModuloDados->Qry_Cidades->campo(QStringLiteral("UF")).toString());
}

void Tfrm_CadCliente::mostrarCidade(int codigo)
{
    // a lista de cidades vai para a cidade do cliente, para a UF ao lado ser a dela
    TDataset* cidades = ModuloDados->Qry_Cidades;
    if (codigo > 0 && !cidades->ativo())
        ModuloDados->AbreCidades();
    if (cidades->ativo() && (codigo <= 0 || !cidades->localizar(QStringLiteral("CONTROLE"), codigo)))
        cidades->irPara(-1);
    ui->LCD_Cidades->setTexto(ModuloDados->NomedaCidade(codigo));
    mostrarUF();
}

void Tfrm_CadCliente::mostrarBotoes(bool novo, bool salvar, bool excluir, bool buscar, bool cancelar)
{
    ui->IMG_Novo->setVisible(novo);
    ui->IMG_Salvar->setVisible(salvar);
    ui->IMG_Excluir->setVisible(excluir);
    ui->IMG_Buscar->setVisible(buscar);
    ui->IMG_Cancelar->setVisible(cancelar);
}

void Tfrm_CadCliente::LimparCampos()
{
    for (QLineEdit* campo : {ui->edt_Codigo, ui->edt_Nome, ui->edt_Endereco, ui->edt_NumeroEndereco, ui->edt_Bairro,
                             ui->edt_Celular, ui->edt_CPF, ui->edt_RG, ui->edt_OBS, ui->edt_CEP})
        campo->clear();
    ui->LCD_Cidades->limpar();
    ModuloDados->Qry_Cidades->fechar();
    mostrarUF();
}

void Tfrm_CadCliente::IMG_NovoClick()
{
    LimparCampos();
    mostrarBotoes(false, true, false, false, true);
    m_tag = 1;
    ui->edt_Nome->setFocus();
}

void Tfrm_CadCliente::IMG_BuscarClick()
{
    ui->IMG_Salvar->hide();
    ui->IMG_Excluir->hide();
    ui->IMG_Novo->show();
    LimparCampos();
    ui->edt_Nome->setFocus();
}

void Tfrm_CadCliente::IMG_CancelarClick()
{
    LimparCampos();
    mostrarBotoes(true, false, false, true, false);
}

void Tfrm_CadCliente::IMG_ExcluirClick()
{
    // exclui o cliente que está nos campos (o que o usuário vê), não a linha em que a lista está
    const TCliente cliente = ModuloDados->FCliente(m_clienteCarregado);
    if (cliente.var_CDCONTROLE != 0 &&
        Dialogos().pergunta(
            QStringLiteral("Confirma excluir este cliente?\n%1 - %2").arg(cliente.var_CDCONTROLE).arg(cliente.var_NOME),
            QStringLiteral("Excluir cliente"), false))
        ModuloDados->ExcluirCliente(cliente.var_CDCONTROLE);
    ModuloDados->AbreClientes();
    mostrarBotoes(true, false, false, true, false);
}

void Tfrm_CadCliente::dbg_ListaDeClientesCtrlDel()
{
    TDataset* clientes = ModuloDados->Qry_Clientes;
    if (clientes->linhaAtual() < 0)
        return;
    if (!Dialogos().pergunta(QStringLiteral("Excluir registro?"), QString(), false))
        return;
    ModuloDados->ExcluirCliente(clientes->campo(QStringLiteral("CDCONTROLE")).toInt());
    ModuloDados->AbreClientes();
}

void Tfrm_CadCliente::mostrarMenuClientes(const QPoint& ponto)
{
    QMenu MenuClientes(this);
    MenuClientes.setObjectName(QStringLiteral("MenuClientes"));
    QAction* Checarcontadocliente1 = MenuClientes.addAction(QStringLiteral("Checar ficha do cliente"));
    Checarcontadocliente1->setObjectName(QStringLiteral("Checarcontadocliente1"));
    Checarcontadocliente1->setEnabled(ModuloDados->Qry_Clientes->linhaAtual() >= 0 &&
                                      TelaDisponivel(QStringLiteral("FichaCliente")));
    connect(Checarcontadocliente1, &QAction::triggered, this,
            [this] { AbrirTela(QStringLiteral("FichaCliente"), this); });
    MenuClientes.exec(ui->dbg_ListaDeClientes->viewport()->mapToGlobal(ponto));
}

void Tfrm_CadCliente::edt_NomeChange(const QString& texto)
{
    // um caractere que a base não guarda não acha ninguém (e a base recusaria a consulta)
    if (ui->IMG_Salvar->isHidden() && CabeEmWin1252(texto))
        ModuloDados->BuscarCliente(texto);
}

void Tfrm_CadCliente::perguntarSeCarrega()
{
    if (Dialogos().pergunta(QStringLiteral("Deseja que o sistema retorne os dados encontrados ?"),
                            QStringLiteral("Atenção"), true))
        CarregarClienteOferecido();
}

void Tfrm_CadCliente::edt_NomeExit()
{
    const QString nome = ui->edt_Nome->text();
    if (!CabeEmWin1252(nome) || !ModuloDados->ClienteJaExiste(nome))
        return;
    Dialogos().mensagem(QStringLiteral("Já existe um cliente com o nome ") + nome + QStringLiteral(" em seu cadastro"));
    perguntarSeCarrega();
}

void Tfrm_CadCliente::edt_CPFExit()
{
    const QString cpf = TextoComMascara(ui->edt_CPF);
    if (SemDigitos(cpf))
        return;
    VerCpf(cpf); // mostra as próprias mensagens; o resultado não impede a procura abaixo
    if (!ModuloDados->VerificaCPFExistente(cpf))
        return;
    Dialogos().mensagem(QStringLiteral("esse CPF já existe em seu cadastro"));
    perguntarSeCarrega();
}

void Tfrm_CadCliente::edt_CEPExit()
{
    const QString cep = TextoComMascara(ui->edt_CEP);
    if (SemDigitos(cep))
        return;
    const TRespostaConsulta resposta = ConsultarCEP(cep);
    if (AvisarResultadoConsulta(resposta)) {
        ui->edt_Endereco->setText(EnderecoDoCEP(resposta));
        ui->edt_Bairro->setText(resposta.membro(QStringLiteral("BAIRRO")));
    }
    if (resposta.situacao == TSituacaoConsulta::Falhou)
        return; // nada muda quando a consulta não chegou ao fim

    // a cidade pelo CEP da tabela de cidades; sem ele, pelo código do IBGE que o serviço mandou
    int cidade = ModuloDados->RetornaCIDADE_CEP(cep);
    if (cidade == 0 && resposta.encontrado())
        cidade = ModuloDados->RetornaCIDADE_IBGE(resposta.membro(QStringLiteral("IBGE")));
    if (cidade == 0)
        return; // a caixa de cidade fica como o usuário a deixou
    TDataset* cidades = ModuloDados->Qry_Cidades;
    if (!cidades->ativo())
        ModuloDados->AbreCidades();
    cidades->localizar(QStringLiteral("CONTROLE"), cidade);
    ui->LCD_Cidades->setTexto(cidades->campo(QStringLiteral("CIDADE")).toString());
    mostrarUF();
}

void Tfrm_CadCliente::dbg_ListaDeClientesDblClick()
{
    TDataset* clientes = ModuloDados->Qry_Clientes;
    if (clientes->linhaAtual() < 0)
        return;
    const int codigo = clientes->campo(QStringLiteral("CDCONTROLE")).toInt();
    if (m_tag == 3) {
        ModuloDados->vCDCONTROLE_CLIENTE = codigo;
        accept();
        return;
    }
    mostrarBotoes(false, true, true, false, true);
    const int cidade = clientes->campo(QStringLiteral("CDCIDADE")).toInt();
    ModuloDados->vp_cdcidade = cidade;
    ModuloDados->vCDCONTROLE_CLIENTE = codigo;
    m_clienteCarregado = codigo;
    auto texto = [clientes](const char* campo) { return clientes->campo(QString::fromLatin1(campo)).toString(); };
    ui->edt_Codigo->setText(QString::number(codigo));
    ui->edt_Nome->setText(texto("NOME"));
    ui->edt_Endereco->setText(texto("ENDERECO"));
    ui->edt_NumeroEndereco->setText(texto("NUMERO"));
    ui->edt_Bairro->setText(texto("BAIRRO"));
    ui->edt_Celular->setText(texto("CELULAR"));
    ui->edt_CPF->setText(texto("CPF"));
    ui->edt_RG->setText(texto("RG"));
    ui->edt_OBS->setText(texto("OBS"));
    ui->edt_CEP->setText(texto("CEP"));
    mostrarCidade(cidade);
    m_tag = 2;
}

void Tfrm_CadCliente::CarregarClienteOferecido()
{
    const TCliente cliente = ModuloDados->FCliente(ModuloDados->vCDCONTROLE_CLIENTE);
    m_clienteCarregado = cliente.var_CDCONTROLE;
    ui->edt_Codigo->setText(QString::number(cliente.var_CDCONTROLE));
    ui->edt_Nome->setText(cliente.var_NOME);
    ui->edt_Endereco->setText(cliente.var_ENDERECO);
    mostrarCidade(cliente.var_CDCIDADE);
    ui->edt_NumeroEndereco->setText(cliente.var_NUMERO);
    ui->edt_Bairro->setText(cliente.var_BAIRRO);
    ui->edt_Celular->setText(cliente.var_CELULAR);
    ui->edt_CPF->setText(cliente.var_CPF);
    ui->edt_RG->setText(cliente.var_RG);
    ui->edt_OBS->setText(cliente.var_OBS);
    ui->edt_CEP->setText(ModuloDados
                             ->LerValor({QStringLiteral("SELECT CEP FROM CLIENTES WHERE CDCONTROLE = :CDCONTROLE")},
                                        {{QStringLiteral("CDCONTROLE"), cliente.var_CDCONTROLE}})
                             .toString());
    m_tag = 2;
    mostrarBotoes(false, true, false, false, true);
}

bool Tfrm_CadCliente::textosAceitos()
{
    return TextosAceitos({{ui->edt_Nome->text(), 80, QStringLiteral("Nome"), ui->edt_Nome},
                          {ui->edt_Endereco->text(), 80, QStringLiteral("Endereço"), ui->edt_Endereco},
                          {ui->edt_NumeroEndereco->text(), 10, QStringLiteral("Número"), ui->edt_NumeroEndereco},
                          {ui->edt_Bairro->text(), 60, QStringLiteral("Bairro"), ui->edt_Bairro},
                          {ui->edt_OBS->text(), 300, QStringLiteral("Observações"), ui->edt_OBS}});
}

bool Tfrm_CadCliente::Consistencia()
{
    if (!textosAceitos())
        return false;
    const QString nome = ui->edt_Nome->text();
    if (nome.trimmed().isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Campo nome deve ser informado!"));
        return false;
    }
    if (m_tag == 1 && ModuloDados->ClienteJaExiste(nome)) {
        Dialogos().mensagem(QStringLiteral("Já existe um cliente com o mesmo nome cadastrado"));
        ModuloDados->BuscarCliente(nome);
        return false;
    }
    if (ui->edt_Endereco->text().isEmpty())
        Dialogos().mensagem(QStringLiteral("Endereço não foi informado "));
    if (SemDigitos(TextoComMascara(ui->edt_Celular)))
        Dialogos().mensagem(QStringLiteral("Celular não foi informado "));
    return true;
}

int Tfrm_CadCliente::cidadeEscolhida() const
{
    // caixa de cidade vazia: cliente sem cidade, seja qual for a linha em que a lista ficou
    if (ui->LCD_Cidades->texto().trimmed().isEmpty())
        return 0;
    if (m_tag == 2)
        return ModuloDados->vp_cdcidade;
    TDataset* cidades = ModuloDados->Qry_Cidades;
    return cidades->ativo() ? cidades->campo(QStringLiteral("CONTROLE")).toInt() : 0;
}

void Tfrm_CadCliente::IMG_SalvarClick()
{
    // uma verificação que falha deixa o Salvar à mão, para gravar depois de corrigir
    if (!Consistencia())
        return;
    const QString nome = ui->edt_Nome->text();
    const QString endereco = ui->edt_Endereco->text();
    const QString numero = ui->edt_NumeroEndereco->text();
    const QString bairro = ui->edt_Bairro->text();
    const QString celular = TextoComMascara(ui->edt_Celular);
    const QString cpf = TextoComMascara(ui->edt_CPF);
    const QString rg = TextoComMascara(ui->edt_RG);
    const QString obs = ui->edt_OBS->text();
    const QString cep = TextoComMascara(ui->edt_CEP);
    const int cidade = cidadeEscolhida();

    if (m_tag == 1) {
        try {
            ModuloDados->GravarCliente(nome, endereco, numero, bairro, cidade, celular, cpf, rg, obs, cep);
        } catch (const EErroBanco& erro) {
            Dialogos().mensagem(QStringLiteral("Ocorreu a seguinte falha") + QString::fromUtf8(erro.what()));
            return;
        }
        mostrarBotoes(true, false, false, true, false);
        if (m_fecharAoCadastrar)
            ModuloDados->vCDCONTROLE_CLIENTE =
                ModuloDados
                    ->LerValor({QStringLiteral("SELECT MAX(CDCONTROLE) FROM CLIENTES WHERE NOME = :NOME")},
                               {{QStringLiteral("NOME"), nome}})
                    .toInt();
        Dialogos().mensagem(QStringLiteral("Cliente cadastrado com sucesso"));
        LimparCampos();
        if (m_fecharAoCadastrar)
            accept();
    } else if (m_tag == 2) {
        ModuloDados->Alterarcliente(m_clienteCarregado, nome, endereco, numero, bairro, cidade, celular, cpf, rg, obs,
                                    cep);
        mostrarBotoes(true, false, false, true, false);
        Dialogos().mensagem(QStringLiteral("Cliente alterado com sucesso"));
        LimparCampos();
    } else {
        mostrarBotoes(true, false, false, true, false);
    }
}

//==================================================================================================
// Telas do catálogo
//==================================================================================================

static TRegistroTela g_telaClientes("Clientes", [](QWidget* pai) {
    Tfrm_CadCliente frm_CadCliente(pai);
    Dialogos().executarModal(&frm_CadCliente);
});

static TRegistroTela g_telaClientesNovo("Clientes.Novo", [](QWidget* pai) {
    Tfrm_CadCliente frm_CadCliente(pai);
    frm_CadCliente.setFecharAoCadastrar(true);
    frm_CadCliente.IMG_NovoClick();
    Dialogos().executarModal(&frm_CadCliente);
});

static TRegistroTela g_telaClientesSelecionar("Clientes.Selecionar", [](QWidget* pai) {
    Tfrm_CadCliente frm_CadCliente(pai);
    frm_CadCliente.setTag(3);
    Dialogos().executarModal(&frm_CadCliente);
});
