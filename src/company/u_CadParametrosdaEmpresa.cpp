#include "company/u_CadParametrosdaEmpresa.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

#include "core/u_Dialogos.h"
#include "core/u_Mascaras.h"
#include "core/u_ModuloDados.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "customers/u_ConsultasWeb.h"
#include "ui_u_CadParametrosdaEmpresa.h"

namespace {
std::function<void()> g_encerrar;

void encerrarPrograma()
{
    if (g_encerrar) {
        g_encerrar();
        return;
    }
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}
} // namespace

void DefinirEncerramentoDoPrograma(std::function<void()> encerrar)
{
    g_encerrar = std::move(encerrar);
}

Tfrm_CadParametrosdaEmpresa::Tfrm_CadParametrosdaEmpresa(QWidget* pai)
    : QDialog(pai), ui(std::make_unique<Ui::Tfrm_CadParametrosdaEmpresa>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frm_CadParametrosdaEmpresa"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_menu = new QMenuBar(this);
    m_menu->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* configuracoes = m_menu->addMenu(QStringLiteral("Configurações"));
    QAction* interface = configuracoes->addAction(QStringLiteral("Interface do programa"));
    interface->setObjectName(QStringLiteral("Interfacedoprograma1"));
    interface->setEnabled(TelaDisponivel(QStringLiteral("Estilos")));
    connect(configuracoes, &QMenu::aboutToShow, this,
            [interface] { interface->setEnabled(TelaDisponivel(QStringLiteral("Estilos"))); });
    connect(interface, &QAction::triggered, this, [this] { AbrirTela(QStringLiteral("Estilos"), this); });
    layout()->setMenuBar(m_menu);

    ui->pn_Titulo->setStyleSheet(
        QStringLiteral("QLabel { color: white; font-size: 16pt; font-weight: bold;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f7fc4, stop:1 #1d3f73); }"));

    DefinirMascara(ui->edt_Telefone, QStringLiteral("(00)99999-9999"));
    DefinirCaixa(ui->edt_UF, TCaixa::Maiusculas);
    DefinirCaixa(ui->edt_IE, TCaixa::Minusculas);
    DefinirCaixa(ui->edt_CEP, TCaixa::Minusculas);

    // a seta para baixo, em qualquer campo, fecha a janela
    auto* fechar = new QShortcut(QKeySequence(Qt::Key_Down), this);
    connect(fechar, &QShortcut::activated, this, &QDialog::reject);

    const QVector<QPair<QLineEdit*, QWidget*>> cadeia{
        {ui->edt_CNPJ, ui->edt_Nome},       {ui->edt_Nome, ui->edt_Endereco}, {ui->edt_Endereco, ui->edt_Bairro},
        {ui->edt_Bairro, ui->edt_Cidade},   {ui->edt_Cidade, ui->edt_UF},     {ui->edt_UF, ui->edt_Telefone},
        {ui->edt_Telefone, ui->edt_Email},  {ui->edt_Email, ui->edt_Site},    {ui->edt_Site, ui->edt_Subtitulo},
        {ui->edt_Subtitulo, ui->edt_Frase}, {ui->edt_Frase, ui->edt_IE},      {ui->edt_IE, ui->edt_CEP}};
    for (const auto& elo : cadeia) {
        QWidget* proximo = elo.second;
        AoPressionarEnter(elo.first, [proximo] { proximo->setFocus(Qt::TabFocusReason); });
    }
    AoPressionarEnter(ui->edt_CEP, [this] { btn_SalvarClick(); });
    connect(ui->btn_Salvar, &QPushButton::clicked, this, &Tfrm_CadParametrosdaEmpresa::btn_SalvarClick);
    connect(ui->btn_Logo, &QToolButton::clicked, this, &Tfrm_CadParametrosdaEmpresa::btn_LogoClick);
    AoSairDoCampo(ui->edt_CNPJ, [this] { edt_CNPJExit(); });

    if (ModuloDados->ExisteCNPJEmpresa())
        CarregarEmpresa();
}

Tfrm_CadParametrosdaEmpresa::~Tfrm_CadParametrosdaEmpresa() = default;

void Tfrm_CadParametrosdaEmpresa::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    ui->edt_CNPJ->setFocus();
}

void Tfrm_CadParametrosdaEmpresa::done(int resultado)
{
    QDialog::done(resultado);
    if (!ModuloDados->ExisteCNPJEmpresa())
        encerrarPrograma();
}

void Tfrm_CadParametrosdaEmpresa::mostrarLogo(const QString& caminho)
{
    ui->img_Logo->setPixmap(caminho.isEmpty() ? QPixmap() : QPixmap(caminho));
}

void Tfrm_CadParametrosdaEmpresa::CarregarEmpresa()
{
    const TEmpresa empresa = ModuloDados->FEmpresa();
    ui->edt_Nome->setText(empresa.var_NOEMPRESA);
    ui->edt_Endereco->setText(empresa.var_Endereco);
    ui->edt_Bairro->setText(empresa.var_Bairro);
    ui->edt_Cidade->setText(empresa.var_Cidade);
    ui->edt_Telefone->setText(empresa.var_Telefone);
    ui->edt_Email->setText(empresa.var_email);
    ui->edt_Site->setText(empresa.var_site);
    ui->edt_Subtitulo->setText(empresa.var_SUBtitulo);
    ui->edt_Frase->setText(empresa.var_Frase);
    ui->edt_CNPJ->setText(empresa.var_CNPJ);
    ui->edt_IE->setText(empresa.var_IE);
    ui->edt_UF->setText(empresa.var_UF);
    ui->edt_CEP->setText(empresa.var_CEP);
    if (!empresa.var_LOGO.isEmpty() && QFileInfo::exists(empresa.var_LOGO)) {
        mostrarLogo(empresa.var_LOGO);
        v_Caminho_e_nome_da_imagem_do_logo = empresa.var_LOGO;
    }
    m_tag = 1;
}

void Tfrm_CadParametrosdaEmpresa::edt_CNPJExit()
{
    if (ui->edt_CNPJ->text().isEmpty())
        return;
    const TRespostaConsulta resposta = ConsultarCNPJ(ui->edt_CNPJ->text());
    if (!AvisarResultadoConsulta(resposta))
        return;
    ui->edt_Nome->setText(resposta.membro(QStringLiteral("NOME")));
    ui->edt_Endereco->setText(EnderecoDoCNPJ(resposta));
    ui->edt_UF->setText(resposta.membro(QStringLiteral("UF")));
    ui->edt_CEP->setText(CEPDoCNPJ(resposta));
    ui->edt_Cidade->setText(resposta.membro(QStringLiteral("MUNICIPIO")));
    ui->edt_Telefone->setText(TelefoneDoCNPJ(resposta));
}

void Tfrm_CadParametrosdaEmpresa::btn_LogoClick()
{
    const QString caminho = Dialogos().escolherArquivo(
        QStringLiteral("Logo da Empresa"),
        QStringLiteral("Portable Network Graphics (*.png);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;"
                       "Bitmaps (*.bmp)"));
    if (caminho.isEmpty())
        return;
    // um arquivo que não é figura não vai para os dados da empresa (a impressão da OS o usaria)
    QImageReader leitor(caminho);
    const QImage figura = leitor.read();
    if (figura.isNull()) {
        Dialogos().mensagem(QStringLiteral("Atenção\nO arquivo escolhido não pôde ser lido como figura:\n") + caminho,
                            QString(), TIcone::Aviso);
        return;
    }
    v_Caminho_e_nome_da_imagem_do_logo = caminho;
    ui->img_Logo->setPixmap(QPixmap::fromImage(figura));
}

bool Tfrm_CadParametrosdaEmpresa::Validacoes()
{
    if (ui->edt_Nome->text().trimmed().isEmpty() || ui->edt_Endereco->text().trimmed().isEmpty() ||
        ui->edt_CNPJ->text().trimmed().isEmpty()) {
        Dialogos().mensagem(QStringLiteral("Por favor, informe pelo menos o seu CNPJ"));
        ui->edt_CNPJ->setFocus();
        return false;
    }
    return TextosAceitos({{ui->edt_Nome->text(), 60, QStringLiteral("Nome da Empresa"), ui->edt_Nome},
                          {ui->edt_Endereco->text(), 80, QStringLiteral("Endereço da Empresa"), ui->edt_Endereco},
                          {ui->edt_Bairro->text(), 50, QStringLiteral("Bairro"), ui->edt_Bairro},
                          {ui->edt_Cidade->text(), 80, QStringLiteral("Cidade"), ui->edt_Cidade},
                          {ui->edt_Email->text(), 100, QStringLiteral("e-mail"), ui->edt_Email},
                          {ui->edt_Site->text(), 100, QStringLiteral("site (www)"), ui->edt_Site},
                          {ui->edt_Subtitulo->text(), 30, QStringLiteral("Sub título"), ui->edt_Subtitulo},
                          {ui->edt_Frase->text(), 30, QStringLiteral("Frase para OS"), ui->edt_Frase},
                          {ui->edt_CNPJ->text(), 18, QStringLiteral("CNPJ"), ui->edt_CNPJ},
                          {ui->edt_IE->text(), 20, QStringLiteral("IE"), ui->edt_IE},
                          {ui->edt_UF->text(), 2, QStringLiteral("UF"), ui->edt_UF},
                          {ui->edt_CEP->text(), 9, QStringLiteral("CEP"), ui->edt_CEP},
                          {v_Caminho_e_nome_da_imagem_do_logo, 260, QStringLiteral("Logo")}});
}

void Tfrm_CadParametrosdaEmpresa::btn_SalvarClick()
{
    if (!Validacoes())
        return;
    const QString telefone = TextoComMascara(ui->edt_Telefone);
    if (m_tag == 1)
        ModuloDados->SalvarDadosdaEmpresa(
            1, ui->edt_Nome->text(), ui->edt_Endereco->text(), ui->edt_Bairro->text(), ui->edt_Cidade->text(), telefone,
            ui->edt_Email->text(), ui->edt_Site->text(), v_Caminho_e_nome_da_imagem_do_logo, ui->edt_Subtitulo->text(),
            ui->edt_Frase->text(), ui->edt_CNPJ->text(), ui->edt_IE->text(), ui->edt_UF->text(), ui->edt_CEP->text());
    else
        ModuloDados->InserirEmpresa(
            ui->edt_Nome->text(), ui->edt_Endereco->text(), ui->edt_Bairro->text(), ui->edt_Cidade->text(), telefone,
            ui->edt_Email->text(), ui->edt_Site->text(), v_Caminho_e_nome_da_imagem_do_logo, ui->edt_Subtitulo->text(),
            ui->edt_Frase->text(), ui->edt_CNPJ->text(), ui->edt_IE->text(), ui->edt_UF->text(), ui->edt_CEP->text());
    CarregarEmpresa();
    accept();
}

//==================================================================================================
// Telas do catálogo
//==================================================================================================

static TRegistroTela g_telaParametrosEmpresa("ParametrosEmpresa", [](QWidget* pai) {
    Tfrm_CadParametrosdaEmpresa frm_CadParametrosdaEmpresa(pai);
    Dialogos().executarModal(&frm_CadParametrosdaEmpresa);
});

// Primeiro início: sem empresa, pede os dados; a janela encerra o programa se fechar sem eles.
static TRegistroTela g_telaPrimeiroInicio("ParametrosEmpresa.PrimeiroInicio", [](QWidget* pai) {
    if (ModuloDados->ExisteCNPJEmpresa())
        return;
    Dialogos().mensagem(QStringLiteral("Por favor, informe os dados para dar continuidade"));
    Tfrm_CadParametrosdaEmpresa frm_CadParametrosdaEmpresa(pai);
    Dialogos().executarModal(&frm_CadParametrosdaEmpresa);
});
