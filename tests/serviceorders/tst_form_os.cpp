// A tela da ordem de serviço dirigida como o usuário: entrada de um aparelho, linhas de serviço,
// busca, status, pagamento, devolução sem reparo e retorno.
#include <QAbstractItemView>
#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

#include "core/u_CaixaPesquisa.h"
#include "core/u_Mascaras.h"
#include "core/u_Relogio.h"
#include "core/u_Telas.h"
#include "core/u_Valores.h"
#include "serviceorders/u_CadOrdemdeServico.h"
#include "support/suporte.h"

namespace {
const QString kHoje = QStringLiteral("15/03/2024");

// Tela aberta sobre uma base com dois clientes (ANA vem antes na lista).
struct Cenario
{
    mutable AmbienteTeste amb;
    std::unique_ptr<Tfrm_CadOrdemdeServico> frm;
    int ana = 0;
    int maria = 0;

    Cenario()
    {
        FixarRelogio(QDateTime(QDate(2024, 3, 15), QTime(10, 42)));
        FixarNomeDaEstacao("BALCAO-1");
        amb.modulo()->vp_usuario_conectado = "ADMIN";
        amb.exec("INSERT INTO CLIENTES (NOME, CELULAR) VALUES ('ANA SOUZA', '(11)91111-1111')");
        amb.exec("INSERT INTO CLIENTES (NOME, CELULAR) VALUES ('MARIA SILVA', '(21)98888-7777')");
        ana = amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = 'ANA SOUZA'").toInt();
        maria = amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = 'MARIA SILVA'").toInt();
        abrir();
    }
    void abrir()
    {
        frm = std::make_unique<Tfrm_CadOrdemdeServico>();
        frm->show();
        QApplication::setActiveWindow(frm.get());
        if (!QTest::qWaitForWindowActive(frm.get()))
            qWarning("janela não ficou ativa");
    }

    template <typename T> T* w(const char* nome) const
    {
        T* widget = frm->findChild<T*>(QString::fromLatin1(nome));
        if (!widget)
            qFatal("sem o controle %s", nome);
        return widget;
    }
    QLineEdit* edt(const char* nome) const { return w<QLineEdit>(nome); }
    QComboBox* cb(const char* nome) const { return w<QComboBox>(nome); }
    QCheckBox* caixa(const char* nome) const { return w<QCheckBox>(nome); }
    void clicar(const char* nome) const
    {
        // caixas e opções: o clique vale sobre o indicador e o texto, não no meio de um controle largo
        QAbstractButton* botao = w<QAbstractButton>(nome);
        const bool marca = qobject_cast<QCheckBox*>(botao) || qobject_cast<QRadioButton*>(botao);
        QTest::mouseClick(botao, Qt::LeftButton, {}, marca ? QPoint(8, botao->height() / 2) : QPoint());
    }
    void digitar(QLineEdit* campo, const QString& texto) const
    {
        campo->setFocus();
        campo->selectAll();
        if (texto.isEmpty())
            QTest::keyClick(campo, Qt::Key_Delete);
        else
            QTest::keyClicks(campo, texto);
    }
    void digitarData(const char* nome, const QString& texto) const
    {
        QLineEdit* campo = edt(nome);
        campo->setFocus();
        campo->clear();
        campo->home(false);
        QTest::keyClicks(campo, QString(texto).remove('/'));
    }
    int numero() const { return edt("edt_NROS")->text().toInt(); }
    bool mostrado(const char* nome) const { return !w<QWidget>(nome)->isHidden(); }

    void escolherCliente(const QString& prefixo) const
    {
        QTest::keyClicks(w<TCaixaPesquisa>("LCD_Cliente")->editor(), prefixo);
    }
    void linha(const QString& defeito, const QString& servico, const QString& valor) const
    {
        digitar(edt("edt_Problema"), defeito);
        digitar(edt("edt_Servico"), servico);
        digitar(edt("edt_Valor"), valor);
        clicar("btn_Ok");
    }
    // "Nova OS" com cliente, aparelho, estado e duas linhas; falta só salvar.
    void novaOSCompleta() const
    {
        clicar("btn_NovaOS");
        escolherCliente("MAR");
        clicar("rb_Celular");
        QComboBox* marca = cb("cb_Marca");
        const int samsung = marca->findText("SAMSUNG");
        marca->setCurrentIndex(samsung);
        emit marca->activated(samsung); // escolha na lista
        digitar(cb("cb_Modelo")->lineEdit(), "GALAXY A10");
        digitar(edt("edt_Senha"), "abc123");
        digitar(edt("edt_IMEI"), "356789012345678");
        clicar("cb_SemChip");
        clicar("cb_DisplayTrincado");
        digitar(edt("edt_Observacao"), "cliente com pressa");
        // checklist já gerado: o lembrete não entra nas mensagens dos testes
        amb.exec("INSERT INTO CHECKLIST_ENTRADA_OS (NROS, ITEM) VALUES (:N, 'TELA')", {{"N", numero()}});
        linha("TELA QUEBRADA", "TROCA DE TELA", "350");
        linha("NAO CARREGA", "TROCA DO CONECTOR", "80,50");
    }
    int linhasNaGrade() const { return w<QTableView>("dbg_Servicos")->model()->rowCount(); }

    // Uma OS gravada direto pelo módulo, com uma linha de 'total' e o status dado.
    void osGravada(int nros, double total, const QString& status, const QString& senha = QString(),
                   const QByteArray& figura = QByteArray()) const
    {
        auto* dm = amb.modulo();
        amb.exec("INSERT INTO CHECKLIST_ENTRADA_OS (NROS, ITEM) VALUES (:N, 'TELA')", {{"N", nros}});
        dm->GravarServicodaOS("DEFEITO", "SERVICO", total, "ADMIN", nros);
        dm->GravarOS(nros, maria, "01/03/2024", status, "C", "MOTOROLA", "MOTO G8", "111", "", "N", "N", "N", "N", "N",
                     "N", "N", "N", "N", "N", 0, "N", "", "", "", "", "ADMIN", senha, figura);
    }
    QVariant coluna(int nros, const QString& nome) const
    {
        return amb.valor(QStringLiteral("SELECT %1 FROM ORDEM_SERVICO WHERE NROS = :N").arg(nome), {{"N", nros}});
    }
    void carregar(int nros) const
    {
        amb.dialogos().digitar(QString::number(nros));
        clicar("btn_BuscarOS");
    }
};
} // namespace

class TesteFormOS : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { FixarRelogio(QDateTime()); }

    void abertura()
    {
        Cenario c;
        QCOMPARE(c.frm->windowTitle(),
                 QStringLiteral("ORDEM DE SERVIÇO - [Pressione a tecla ESC para sair desta tela]"));
        QCOMPARE(c.w<QLabel>("lbl_Funcionario")->text(), QStringLiteral("ADMIN"));
        QVERIFY(c.w<QToolButton>("btn_NovaOS")->isEnabled());
        QVERIFY(c.w<QToolButton>("btn_BuscarOS")->isEnabled());
        for (const char* nome : {"btn_AlterarOS", "btn_CancelarOS", "btn_SalvarOS", "btn_ImprimirOS"})
            QVERIFY2(!c.w<QToolButton>(nome)->isEnabled(), nome);
        QVERIFY(!c.w<QWidget>("pn_Cabecalho")->isEnabled());
        QVERIFY(!c.w<QWidget>("pn_EntradaServico")->isEnabled());
        // entradas de telas que ainda não estão no programa ficam desabilitadas
        QVERIFY(!c.frm->findChild<QAction*>("act_Imprimir")->isEnabled());
        QCOMPARE(c.w<QToolButton>("btn_GerenciarOS")->isEnabled(), TelaDisponivel("ListaOrdensServico"));
        QCOMPARE(!c.w<QPushButton>("btn_DesenharPIN")->testAttribute(Qt::WA_ForceDisabled),
                 TelaDisponivel("DesenharPIN"));
        QCOMPARE(!c.w<QToolButton>("btn_Servicos")->testAttribute(Qt::WA_ForceDisabled),
                 TelaDisponivel("Servicos.Escolher"));
        QCOMPARE(c.frm->findChild<QAction*>("act_GerarCheckList")->isEnabled(), TelaDisponivel("CheckListEntradaOS"));
        for (const char* nome : {"gb_ValorDevolvido", "gb_Retorno", "gb_Pago", "pn_Pagamento", "pn_MotivoRetorno"})
            QVERIFY2(!c.mostrado(nome), nome);
        QVERIFY(c.amb.modulo()->Qry_Clientes->ativo());
    }

    // Entrada completa: linhas antes da OS, total da base, cliente escolhido (não o primeiro da lista).
    void novaOSComDuasLinhas()
    {
        Cenario c;
        c.novaOSCompleta();
        QCOMPARE(c.numero(), 1);
        QCOMPARE(TextoComMascara(c.edt("edt_DataOS")), kHoje);
        QCOMPARE(c.edt("edt_HoraOS")->text(), QStringLiteral("10:42"));
        QCOMPARE(c.cb("cb_Status")->currentText(), QStringLiteral("Aberta"));
        QCOMPARE(c.cb("cb_Status")->count(), 5);
        QCOMPARE(c.w<QLabel>("lbl_Telefone")->text(), QStringLiteral("(21)98888-7777"));
        QVERIFY(c.w<QGroupBox>("gb_Cliente")->title().contains(QString::number(c.maria)));
        QCOMPARE(c.linhasNaGrade(), 2);
        QCOMPARE(c.amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 1").toInt(), 2);
        QCOMPARE(c.amb.valor("SELECT COUNT(*) FROM ORDEM_SERVICO").toInt(), 0);
        QVERIFY(c.cb("cb_Modelo")->count() > 10); // modelos da marca escolhida

        c.amb.dialogos().limpar();
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.dialogos().mensagens(), QStringList{"Ordem de Serviço #1 Gerada com sucesso"});
        const auto os = c.amb.modulo()->FOrdemServico(1);
        QCOMPARE(os.fCDCLIENTE, c.maria);
        QCOMPARE(os.fDATAOS, kHoje);
        QCOMPARE(os.fSTATUS, QStringLiteral("Aberta"));
        QCOMPARE(os.fMARCA + "/" + os.fMODELO + "/" + os.fIMEI, QStringLiteral("SAMSUNG/GALAXY A10/356789012345678"));
        QCOMPARE(os.fSENHA, QStringLiteral("ABC123"));
        QCOMPARE(os.fOBSERVACAO, QStringLiteral("CLIENTE COM PRESSA"));
        QCOMPARE(os.fSEM_CHIP + os.fNAO_LIGA + os.fCARREGADOR + os.fSEM_TAMPA_BATERIA + os.fCARTAO_MEMORIA +
                     os.fLENTE_RISCADA + os.fLENTE_TRINCADA + os.fDISPLAY_TRINCADO + os.fCARCACA_TRINCADA +
                     os.fCARCACA_RISCADA,
                 QStringLiteral("SNNNNNNSNN"));
        QCOMPARE(os.fVALOR_TOTAL, 430.5);
        QCOMPARE(os.fFUNCIONARIO, QStringLiteral("ADMIN"));
        QVERIFY(c.coluna(1, "RETORNO").isNull());

        // recarregada: navegação, total da base, nada devido mostrado como pago
        QCOMPARE(c.frm->tag(), 2);
        QCOMPARE(c.w<QLabel>("lbl_ValorTotal")->text(), QStringLiteral("430,50"));
        QCOMPARE(c.w<QLabel>("lbl_ValorFaltante")->text(), QStringLiteral("430,50"));
        QCOMPARE(TextoComMascara(c.edt("edt_RetirarAte")), QStringLiteral("13/06/2024"));
        QVERIFY(!c.w<QWidget>("pn_Principal")->isEnabled());
        QVERIFY(c.w<QToolButton>("btn_AlterarOS")->isEnabled());
        QVERIFY(!c.w<QToolButton>("btn_SalvarOS")->isEnabled());
        QVERIFY(c.w<QToolButton>("btn_NovaOS")->isEnabled());
        QVERIFY(!c.mostrado("gb_Retorno")); // Aberta
        QVERIFY(c.amb.dialogos().pendencias().isEmpty());
    }

    // Cada falha da conferência de uma OS nova para na sua mensagem e deixa tudo como estava.
    void conferenciaDaOSNova_data()
    {
        QTest::addColumn<QString>("quebrar");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("data") << "data"
                              << "Voce deve informar uma data para Ordem de Serviço";
        QTest::newRow("cliente") << "cliente"
                                 << "Voce deve informar o Cliente da Ordem de Serviço";
        QTest::newRow("cliente digitado que não existe") << "clienteDigitado"
                                                         << "Voce deve informar o Cliente da Ordem de Serviço";
        QTest::newRow("tipo") << "tipo"
                              << "Voce deve informar o Tipo de Aparelho para Ordem de Serviço";
        QTest::newRow("status") << "status"
                                << "Voce deve informa o Status de Abertura da Ordem de Serviço";
        QTest::newRow("marca") << "marca"
                               << "Voce deve pelo menos uma Marca do aparelho na Ordem de Serviço";
        QTest::newRow("modelo") << "modelo"
                                << "Voce deve pelo menos um Modelo do aparelho na Ordem de Serviço";
        QTest::newRow("sem linhas") << "linhas"
                                    << "Você não incluiu nenhum serviço para a Ordem de Serviço!";
        QTest::newRow("texto fora do WIN1252") << "win1252"
                                               << "";
    }
    void conferenciaDaOSNova()
    {
        QFETCH(QString, quebrar);
        QFETCH(QString, mensagem);
        Cenario c;
        c.novaOSCompleta();
        if (quebrar == "data") {
            c.edt("edt_DataOS")->clear();
        } else if (quebrar == "cliente") {
            c.w<TCaixaPesquisa>("LCD_Cliente")->limpar();
        } else if (quebrar == "clienteDigitado") {
            c.digitar(c.w<TCaixaPesquisa>("LCD_Cliente")->editor(), "FULANO");
        } else if (quebrar == "tipo") {
            c.w<QRadioButton>("rb_Celular")->group()->setExclusive(false);
            c.w<QRadioButton>("rb_Celular")->setChecked(false);
        } else if (quebrar == "status") {
            c.cb("cb_Status")->setEditText(QString());
        } else if (quebrar == "marca") {
            c.cb("cb_Marca")->setEditText(QString());
        } else if (quebrar == "modelo") {
            c.cb("cb_Modelo")->setEditText(QString());
        } else if (quebrar == "linhas") {
            c.amb.exec("DELETE FROM ITENS_ORDEM_SERVICO");
        } else if (quebrar == "win1252") {
            c.edt("edt_Observacao")->setText(QStringLiteral("TELA ✓ OK"));
        }
        c.amb.dialogos().limpar();
        c.clicar("btn_SalvarOS");
        const QStringList mensagens = c.amb.dialogos().mensagens();
        QCOMPARE(mensagens.size(), 1);
        if (!mensagem.isEmpty())
            QCOMPARE(mensagens.first(), mensagem);
        else
            QVERIFY2(mensagens.first().contains("Observações da OS"), qPrintable(mensagens.first()));
        QCOMPARE(c.amb.valor("SELECT COUNT(*) FROM ORDEM_SERVICO").toInt(), 0);
        // em edição, com o que foi digitado e as linhas
        QCOMPARE(c.frm->tag(), 1);
        QVERIFY(c.w<QToolButton>("btn_SalvarOS")->isEnabled());
        QVERIFY(c.w<QWidget>("pn_EntradaServico")->isEnabled());
        QCOMPARE(c.edt("edt_IMEI")->text(), QStringLiteral("356789012345678"));
        if (quebrar != "linhas")
            QCOMPARE(c.linhasNaGrade(), 2);
    }

    // IMEI vazio só avisa; a OS é gravada.
    void semImeiSoAvisa()
    {
        Cenario c;
        c.novaOSCompleta();
        c.edt("edt_IMEI")->clear();
        c.amb.dialogos().limpar();
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.dialogos().mensagens(),
                 (QStringList{"ATENÇÃO você não registrou o IMEI", "Ordem de Serviço #1 Gerada com sucesso"}));
        QCOMPARE(c.coluna(1, "IMEI").toString(), QString());
    }

    // Sem checklist de entrada gerado, salvar lembra dele e grava assim mesmo.
    void lembreteDoChecklist()
    {
        if (!TelaDisponivel("CheckListEntradaOS"))
            QSKIP("checklist de entrada não está no programa");
        Cenario c;
        c.novaOSCompleta();
        c.amb.exec("DELETE FROM CHECKLIST_ENTRADA_OS");
        c.amb.dialogos().limpar();
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.dialogos().mensagens(),
                 (QStringList{"Providencie o CHECK LIST de entrada para essa Ordem de Serviço",
                              "Ordem de Serviço #1 Gerada com sucesso"}));
    }

    // Um erro do banco ao gravar (outra estação gravou o mesmo número) não fecha nem apaga nada.
    void erroAoGravarMantemTudo()
    {
        Cenario c;
        c.novaOSCompleta();
        c.amb.exec("INSERT INTO ORDEM_SERVICO (NROS, DATAOS, STATUS) VALUES (1, CURRENT_DATE, 'Aberta')");
        c.amb.dialogos().limpar();
        c.clicar("btn_SalvarOS");
        QVERIFY2(c.amb.dialogos().ultimaMensagem().startsWith("ERRO : "),
                 qPrintable(c.amb.dialogos().ultimaMensagem()));
        QVERIFY(c.frm->isVisible());
        QCOMPARE(c.frm->tag(), 1);
        QVERIFY(c.w<QToolButton>("btn_SalvarOS")->isEnabled());
        QVERIFY(c.w<QWidget>("pn_Principal")->isEnabled());
        QCOMPARE(c.cb("cb_Modelo")->currentText(), QStringLiteral("GALAXY A10"));
        QCOMPARE(c.amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 1").toInt(), 2);
    }

    // Esc com linhas lançadas: as linhas saem, nenhuma OS fica, e o número volta na próxima "Nova OS".
    void escDepoisDeLancarLinhas()
    {
        Cenario c;
        c.osGravada(1, 50, "Aberta");
        c.novaOSCompleta();
        QCOMPARE(c.numero(), 2);
        QTest::keyClick(c.frm.get(), Qt::Key_Escape);
        QVERIFY(!c.frm->isVisible());
        QCOMPARE(c.amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 2").toInt(), 0);
        QCOMPARE(c.amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = 1").toInt(), 1);
        QCOMPARE(c.amb.valor("SELECT COUNT(*) FROM ORDEM_SERVICO").toInt(), 1);
        QVERIFY(!c.amb.modulo()->Qry_Clientes->ativo());
        c.abrir();
        c.clicar("btn_NovaOS");
        QCOMPARE(c.numero(), 2);
    }

    // "Cancelar OS": campos limpos, nada a salvar.
    void cancelarOS()
    {
        Cenario c;
        c.novaOSCompleta();
        c.clicar("btn_CancelarOS");
        QVERIFY(c.edt("edt_NROS")->text().isEmpty());
        QVERIFY(c.cb("cb_Marca")->currentText().isEmpty());
        QCOMPARE(c.linhasNaGrade(), 0);
        QVERIFY(!c.w<QToolButton>("btn_SalvarOS")->isEnabled());
        QVERIFY(!c.w<QToolButton>("btn_CancelarOS")->isEnabled());
        QVERIFY(c.w<QToolButton>("btn_NovaOS")->isEnabled());
    }

    void buscas_data()
    {
        QTest::addColumn<QString>("botao"); // "buscar", "f3", "ultima"
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<int>("carregada"); // 0: nenhuma
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("buscar 0") << "buscar"
                                  << "0" << 0 << "Este número de Ordem de serviço não existe";
        QTest::newRow("buscar cancelado") << "buscar"
                                          << "" << 0 << "Este número de Ordem de serviço não existe";
        QTest::newRow("buscar 7") << "buscar"
                                  << "7" << 7 << "";
        QTest::newRow("buscar inexistente") << "buscar"
                                            << "99" << 0 << "Este número de Ordem de serviço não existe";
        QTest::newRow("buscar texto") << "buscar"
                                      << "12a" << 0
                                      << "Atenção\n\"12a\" não é um número de Ordem de "
                                         "Serviço. Digite só o número.";
        QTest::newRow("F3 0") << "f3"
                              << "0" << 0 << "";
        QTest::newRow("F3 3") << "f3"
                              << " 3 " << 3 << "";
        QTest::newRow("F3 texto") << "f3"
                                  << "três" << 0
                                  << "Atenção\n\"três\" não é um número de Ordem de Serviço. "
                                     "Digite só o número.";
        QTest::newRow("última") << "ultima"
                                << "" << 7 << "";
    }
    void buscas()
    {
        QFETCH(QString, botao);
        QFETCH(QString, digitado);
        QFETCH(int, carregada);
        QFETCH(QString, mensagem);
        Cenario c;
        c.osGravada(3, 10, "Aberta");
        c.osGravada(7, 20, "Em andamento");
        c.amb.dialogos().limpar();
        if (botao == "buscar") {
            if (digitado.isEmpty())
                c.amb.dialogos().cancelarEntrada();
            else
                c.amb.dialogos().digitar(digitado);
            c.clicar("btn_BuscarOS");
        } else if (botao == "f3") {
            c.amb.dialogos().digitar(digitado);
            QTest::keyClick(c.frm.get(), Qt::Key_F3);
        } else {
            c.clicar("IMG_UltimaOS");
        }
        QCOMPARE(c.amb.dialogos().mensagens(), mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        QCOMPARE(c.numero(), carregada);
        if (carregada) {
            QCOMPARE(c.frm->tag(), 2);
            QCOMPARE(c.w<TCaixaPesquisa>("LCD_Cliente")->texto(), QStringLiteral("MARIA SILVA"));
            QCOMPARE(c.amb.modulo()->vCDCONTROLE_CLIENTE, c.maria);
            QCOMPARE(c.linhasNaGrade(), 1);
        }
        QVERIFY(c.amb.dialogos().pendencias().isEmpty());
    }

    // A senha do aparelho vem com a OS e a figura do padrão volta intacta numa alteração.
    void alteracaoMantemSenhaEFigura()
    {
        Cenario c;
        QImage padrao(150, 156, QImage::Format_RGB32);
        padrao.fill(Qt::white);
        padrao.setPixel(75, 76, qRgb(0, 0, 255));
        QByteArray bmp;
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        padrao.save(&buffer, "BMP");
        c.osGravada(4, 100, "Em andamento", "1234", bmp);
        c.carregar(4);
        QCOMPARE(c.edt("edt_Senha")->text(), QStringLiteral("1234"));
        QCOMPARE(c.frm->figuraPIN().size(), QSize(150, 156));
        c.clicar("btn_AlterarOS");
        c.digitar(c.edt("edt_IMEI"), "999");
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.dialogos().ultimaMensagem(), QStringLiteral("Ordem de Serviço #4 ALTERADA com sucesso"));
        QCOMPARE(c.coluna(4, "SENHA").toString(), QStringLiteral("1234"));
        QCOMPARE(c.coluna(4, "IMEI").toString(), QStringLiteral("999"));
        const QImage gravada = QImage::fromData(c.coluna(4, "SIMBOLO_ACESSO").toByteArray(), "BMP");
        QCOMPARE(gravada.pixel(75, 76), qRgb(0, 0, 255));
    }

    // Finalizada de 150,00 que passa a Retirado: sem "PAGO ?", sem forma, e com PIX.
    void finalizadaParaRetirado_data()
    {
        QTest::addColumn<bool>("pagar");
        QTest::addColumn<QString>("forma");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<double>("valorPago");
        QTest::addColumn<QString>("formaGravada");
        QTest::newRow("sem PAGO") << false << ""
                                  << "Ordem de Serviço #9 ALTERADA com sucesso" << 0.0 << "";
        QTest::newRow("PAGO sem forma") << true << ""
                                        << "Necessário informar os dados do recebimento!" << 0.0 << "";
        QTest::newRow("PAGO com PIX") << true << "PIX"
                                      << "Ordem de Serviço #9 ALTERADA com sucesso" << 150.0 << "PIX";
    }
    void finalizadaParaRetirado()
    {
        QFETCH(bool, pagar);
        QFETCH(QString, forma);
        QFETCH(QString, mensagem);
        QFETCH(double, valorPago);
        QFETCH(QString, formaGravada);
        Cenario c;
        c.osGravada(9, 150, "Finalizada");
        c.carregar(9);
        QVERIFY(!c.caixa("cb_Retorno")->isChecked());
        c.clicar("btn_AlterarOS");
        c.cb("cb_Status")->setCurrentText("Retirado");
        QCOMPARE(TextoComMascara(c.edt("edt_Retirado")), kHoje);
        QCOMPARE(TextoComMascara(c.edt("edt_DataPagto")), kHoje);
        QCOMPARE(c.edt("edt_ValorPago")->text(), QStringLiteral("150"));
        QVERIFY(c.mostrado("gb_Pago"));
        QVERIFY(!c.caixa("cb_Pago")->isChecked());
        if (pagar) {
            c.clicar("cb_Pago");
            QVERIFY(c.mostrado("pn_Pagamento"));
            c.cb("cb_FormaPagamento")->setCurrentText(forma);
        }
        c.amb.dialogos().limpar();
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.dialogos().mensagens(), QStringList{mensagem});
        const bool gravou = mensagem.contains("ALTERADA");
        QCOMPARE(c.coluna(9, "STATUS").toString(), gravou ? QStringLiteral("Retirado") : QStringLiteral("Finalizada"));
        QCOMPARE(c.amb.modulo()->ValorJaPago(9), valorPago);
        QCOMPARE(c.coluna(9, "FORMA_PAGAMENTO").toString(), formaGravada);
        if (!gravou) {
            QVERIFY(c.w<QToolButton>("btn_SalvarOS")->isEnabled());
            return;
        }
        QCOMPARE(c.amb.modulo()->FOrdemServico(9).fDATA_RETIRADA, kHoje);
        QCOMPARE(c.amb.modulo()->FOrdemServico(9).fDATA_PAGTO, valorPago > 0 ? kHoje : QString());
        QCOMPARE(c.mostrado("lbl_ValorFaltante"), valorPago == 0);
    }

    // Dois pagamentos de 50 numa OS de 150; o segundo depois de desmarcar o retorno.
    void pagamentosParciais()
    {
        Cenario c;
        c.osGravada(5, 150, "Finalizada");
        c.carregar(5);
        c.clicar("btn_AlterarOS");
        c.cb("cb_Status")->setCurrentText("Retirado");
        c.clicar("cb_Pago");
        c.cb("cb_FormaPagamento")->setCurrentText("DINHEIRO");
        c.digitar(c.edt("edt_ValorPago"), "50");
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.modulo()->ValorJaPago(5), 50.0);
        QCOMPARE(c.w<QLabel>("lbl_ValorFaltante")->text(), QStringLiteral("100,00"));

        // carregada como Retirado: retorno marcado; desmarca e paga mais 50
        QVERIFY(c.mostrado("gb_Retorno"));
        QVERIFY(c.caixa("cb_Retorno")->isChecked());
        QVERIFY(c.mostrado("gb_Pago"));
        c.clicar("btn_AlterarOS");
        c.clicar("cb_Retorno");
        c.clicar("cb_Pago");
        c.cb("cb_FormaPagamento")->setCurrentText("PIX");
        c.digitar(c.edt("edt_ValorPago"), "50");
        c.amb.dialogos().limpar();
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.dialogos().mensagens(), QStringList{"Ordem de Serviço #5 ALTERADA com sucesso"});
        QCOMPARE(c.amb.modulo()->ValorJaPago(5), 100.0);
        QCOMPARE(c.coluna(5, "RETORNO").toString(), QString());
        QVERIFY(c.coluna(5, "DATA_RETORNO").isNull());
        QCOMPARE(c.w<QLabel>("lbl_ValorFaltante")->text(), QStringLiteral("50,00"));

        // pagar além do que falta é recusado e nada muda
        c.clicar("btn_AlterarOS");
        c.clicar("cb_Retorno");
        c.clicar("cb_Pago");
        c.cb("cb_FormaPagamento")->setCurrentText("PIX");
        c.digitar(c.edt("edt_ValorPago"), "60");
        c.amb.dialogos().limpar();
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.dialogos().mensagens().size(), 1);
        QVERIFY2(c.amb.dialogos().ultimaMensagem().contains("passa do valor total"),
                 qPrintable(c.amb.dialogos().ultimaMensagem()));
        QCOMPARE(c.amb.modulo()->ValorJaPago(5), 100.0);
        QVERIFY(c.w<QToolButton>("btn_SalvarOS")->isEnabled());
    }

    // SEM REPARO numa OS de 1.234,50.
    void semReparo()
    {
        Cenario c;
        c.osGravada(6, 1234.5, "Em andamento");
        c.carregar(6);
        c.clicar("btn_AlterarOS");
        c.cb("cb_Status")->setCurrentText("SEM REPARO");
        QCOMPARE(c.edt("edt_ValorDevolvido")->text(), QStringLiteral("1234,5"));
        QCOMPARE(TextoComMascara(c.edt("edt_Devolucao")), kHoje);
        QVERIFY(c.mostrado("gb_ValorDevolvido"));
        QVERIFY(c.w<QLabel>("lbl_ValorTotal")->font().strikeOut());
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.coluna(6, "VALOR_DEVOLVIDO").toDouble(), 1234.5);
        QCOMPARE(c.amb.modulo()->FOrdemServico(6).fDATA_DEVOLUCAO, kHoje);
        QCOMPARE(c.amb.modulo()->FOrdemServico(6).fHORADEVOLUCAO.size(), 5);
        // recarregada
        QCOMPARE(c.edt("edt_ValorDevolvido")->text(), QStringLiteral("1234,50"));
        QLabel* total = c.w<QLabel>("lbl_ValorTotal");
        QCOMPARE(total->text(), QStringLiteral("1.234,50"));
        QVERIFY(total->font().strikeOut());
        QVERIFY(total->font().bold());
        QCOMPARE(total->palette().color(QPalette::WindowText), QColor(Qt::red));

        // outro status volta o total ao preto
        c.clicar("btn_AlterarOS");
        c.cb("cb_Status")->setCurrentText("Em andamento");
        QVERIFY(!total->font().strikeOut());
        QCOMPARE(total->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(!c.mostrado("gb_ValorDevolvido"));
    }

    // O quadro "Retorno" ao carregar, e o que a alteração sem mexer em nada grava.
    void retornoAoCarregar_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("retorno");
        QTest::addColumn<bool>("mostrado");
        QTest::addColumn<bool>("marcado");
        QTest::addColumn<QString>("retornoGravado");
        QTest::newRow("Retirado: registra retorno") << "Retirado"
                                                    << "" << true << true << "S";
        QTest::newRow("Aberta: escondido") << "Aberta"
                                           << "" << false << false << "";
        QTest::newRow("Finalizada sem retorno") << "Finalizada"
                                                << "" << true << false << "";
        QTest::newRow("Finalizada com retorno") << "Finalizada"
                                                << "S" << true << true << "S";
        QTest::newRow("retirado minúsculo") << "retirado"
                                            << "" << true << false << "";
    }
    void retornoAoCarregar()
    {
        QFETCH(QString, status);
        QFETCH(QString, retorno);
        QFETCH(bool, mostrado);
        QFETCH(bool, marcado);
        QFETCH(QString, retornoGravado);
        Cenario c;
        c.osGravada(8, 75, status);
        if (!retorno.isEmpty())
            c.amb.exec("UPDATE ORDEM_SERVICO SET RETORNO = 'S' WHERE NROS = 8");
        c.carregar(8);
        QCOMPARE(c.mostrado("gb_Retorno"), mostrado);
        QCOMPARE(c.caixa("cb_Retorno")->isChecked(), marcado);
        QCOMPARE(c.mostrado("pn_MotivoRetorno"), marcado);
        QCOMPARE(c.mostrado("gb_Pago"), status == "Retirado");
        QVERIFY(TextoComMascara(c.edt("edt_DataRetorno")) == QStringLiteral("  /  /    "));
        c.clicar("btn_AlterarOS");
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.dialogos().ultimaMensagem(), QStringLiteral("Ordem de Serviço #8 ALTERADA com sucesso"));
        QCOMPARE(c.coluna(8, "RETORNO").toString(), retornoGravado);
        QVERIFY(!c.coluna(8, "RETORNO").isNull());
        QCOMPARE(c.coluna(8, "STATUS").toString(), status);
    }

    // Marcar o retorno põe a data de hoje; o retorno gravado volta marcado com a data gravada.
    void registrarRetorno()
    {
        Cenario c;
        c.osGravada(2, 90, "Finalizada");
        c.carregar(2);
        c.clicar("btn_AlterarOS");
        c.clicar("cb_Retorno");
        QVERIFY(c.edt("edt_DataRetorno")->isEnabled());
        QCOMPARE(TextoComMascara(c.edt("edt_DataRetorno")), kHoje);
        QVERIFY(c.mostrado("pn_MotivoRetorno"));
        c.digitar(c.edt("edt_MotivoRetorno"), "voltou a desligar");
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.coluna(2, "RETORNO").toString(), QStringLiteral("S"));
        QCOMPARE(c.coluna(2, "MOTIVO_RETORNO").toString(), QStringLiteral("VOLTOU A DESLIGAR"));

        FixarRelogio(QDateTime(QDate(2024, 4, 2), QTime(8, 0)));
        c.carregar(2);
        QVERIFY(c.caixa("cb_Retorno")->isChecked());
        QCOMPARE(TextoComMascara(c.edt("edt_DataRetorno")), kHoje);
        QCOMPARE(c.edt("edt_MotivoRetorno")->text(), QStringLiteral("VOLTOU A DESLIGAR"));

        // desmarcado antes de salvar: nem retorno nem data de retorno
        c.osGravada(3, 90, "Finalizada");
        c.carregar(3);
        c.clicar("btn_AlterarOS");
        c.clicar("cb_Retorno");
        c.clicar("cb_Retorno");
        QVERIFY(!c.edt("edt_DataRetorno")->isEnabled());
        c.clicar("btn_SalvarOS");
        QVERIFY(c.coluna(3, "DATA_RETORNO").isNull());
        QCOMPARE(c.coluna(3, "RETORNO").toString(), QString());
    }

    // Data impossível ou valor ilegível na alteração: "ERRO : ", a tela continua em edição, nada gravado.
    void erroNaAlteracao_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("data impossível") << "edt_Finalizado"
                                         << "31/02/2024";
        QTest::newRow("valor devolvido ilegível") << "edt_ValorDevolvido"
                                                  << "doze";
    }
    void erroNaAlteracao()
    {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        Cenario c;
        c.osGravada(4, 60, "Em andamento");
        c.carregar(4);
        c.clicar("btn_AlterarOS");
        c.cb("cb_Status")->setCurrentText("Aberta");
        QLineEdit* edt = c.edt(qPrintable(campo));
        if (texto.contains('/'))
            c.digitarData(qPrintable(campo), texto);
        else
            c.digitar(edt, texto);
        c.amb.dialogos().limpar();
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.amb.dialogos().mensagens().size(), 1);
        QVERIFY2(c.amb.dialogos().ultimaMensagem().startsWith("ERRO : "),
                 qPrintable(c.amb.dialogos().ultimaMensagem()));
        QCOMPARE(c.coluna(4, "STATUS").toString(), QStringLiteral("Em andamento"));
        QVERIFY(c.w<QToolButton>("btn_SalvarOS")->isEnabled());
        QVERIFY(c.frm->isVisible());
        QCOMPARE(c.cb("cb_Status")->currentText(), QStringLiteral("Aberta"));
        QCOMPARE(c.linhasNaGrade(), 1);
    }

    // "A data informada está inválida!" ao sair da data do pagamento.
    void dataDoPagamentoInvalida()
    {
        Cenario c;
        c.osGravada(4, 60, "Finalizada");
        c.carregar(4);
        c.clicar("btn_AlterarOS");
        c.cb("cb_Status")->setCurrentText("Retirado");
        c.clicar("cb_Pago");
        c.digitarData("edt_DataPagto", "32/13/2024");
        c.amb.dialogos().limpar();
        c.edt("edt_ValorPago")->setFocus();
        QTRY_VERIFY(c.edt("edt_DataPagto")->hasFocus());
        QCOMPARE(c.amb.dialogos().mensagens(), QStringList{"A data informada está inválida!"});
    }

    // Duplo clique e "Ok": numa OS gravada muda o valor da linha; numa OS nova inclui outra linha.
    void mudarValorDaLinha_data()
    {
        QTest::addColumn<bool>("existente");
        QTest::newRow("OS gravada") << true;
        QTest::newRow("OS nova") << false;
    }
    void mudarValorDaLinha()
    {
        QFETCH(bool, existente);
        Cenario c;
        int nros = 0;
        if (existente) {
            c.osGravada(3, 100, "Em andamento");
            c.amb.modulo()->GravarServicodaOS("BATERIA", "TROCA", 40, "ADMIN", 3);
            c.carregar(3);
            c.clicar("btn_AlterarOS");
            nros = 3;
        } else {
            c.novaOSCompleta();
            nros = c.numero();
        }
        auto* grade = c.w<QTableView>("dbg_Servicos");
        QCOMPARE(grade->model()->rowCount(), 2);
        const QModelIndex primeira = grade->model()->index(0, 1);
        grade->setCurrentIndex(primeira);
        const QPoint ponto = grade->visualRect(primeira).center();
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, ponto);
        QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, ponto);
        QCOMPARE(c.frm->modoServico(), 2);
        QVERIFY(!c.edt("edt_Problema")->text().isEmpty());
        const int linha = c.amb.modulo()->Qry_Servicos_OS->campo("CDCONTROLE").toInt();
        const double antes = c.amb.modulo()->Qry_Servicos_OS->campo("VALOR").toDouble();
        c.digitar(c.edt("edt_Valor"), "70,25");
        c.clicar("btn_Ok");
        const int linhas =
            c.amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO WHERE NROS = :N", {{"N", nros}}).toInt();
        if (existente) {
            QCOMPARE(linhas, 2);
            QCOMPARE(
                c.amb.valor("SELECT VALOR FROM ITENS_ORDEM_SERVICO WHERE CDCONTROLE = :C", {{"C", linha}}).toDouble(),
                70.25);
            const double total = 140 - antes + 70.25;
            QCOMPARE(c.amb.modulo()->FOrdemServico(3).fVALOR_TOTAL, total);
            QCOMPARE(c.w<QLabel>("lbl_ValorTotal")->text(), FormatarValor(total));
            QCOMPARE(c.frm->modoServico(), 1);
        } else {
            QCOMPARE(linhas, 3);
        }
        QVERIFY(c.edt("edt_Valor")->text().isEmpty());
        QCOMPARE(c.linhasNaGrade(), linhas);

        // "Excluir este serviço" tira a linha atual sem perguntar
        grade->setCurrentIndex(grade->model()->index(0, 1));
        c.frm->ExcluirEsteServicoClick();
        QCOMPARE(c.linhasNaGrade(), linhas - 1);
        QVERIFY(c.amb.dialogos().pendencias().isEmpty());
    }

    void linhaSemDadosOuValorIlegivel_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("servico");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("sem serviço") << "10"
                                     << ""
                                     << "Você deve registrar o Defeito, Serviço realizado e valor para registrar !";
        QTest::newRow("valor com letras") << "10x"
                                          << "LIMPEZA"
                                          << "Atenção\nO valor \"10x\" não é um número válido.";
        QTest::newRow("ponto decimal") << "10.5"
                                       << "LIMPEZA"
                                       << "Atenção\nO valor \"10.5\" não é um número válido.";
    }
    void linhaSemDadosOuValorIlegivel()
    {
        QFETCH(QString, valor);
        QFETCH(QString, servico);
        QFETCH(QString, mensagem);
        Cenario c;
        c.clicar("btn_NovaOS");
        c.amb.dialogos().limpar();
        c.linha("OXIDADO", servico, valor);
        QCOMPARE(c.amb.dialogos().mensagens(), QStringList{mensagem});
        QCOMPARE(c.amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO").toInt(), 0);
        QCOMPARE(c.edt("edt_Valor")->text(), valor);
    }

    // Marca escolhida: celular refaz os modelos, tablet não.
    void modelosPorMarca()
    {
        Cenario c;
        c.clicar("btn_NovaOS");
        c.clicar("rb_Tablet");
        QComboBox* marca = c.cb("cb_Marca");
        QVERIFY(marca->count() > 0);
        QVERIFY(marca->findText("APPLE") >= 0);
        c.cb("cb_Modelo")->addItem("MODELO DIGITADO");
        const int apple = marca->findText("APPLE");
        marca->setCurrentIndex(apple);
        emit marca->activated(apple);
        QCOMPARE(c.cb("cb_Modelo")->count(), 1);
        c.clicar("rb_Celular");
        QVERIFY(marca->findText("SAMSUNG") >= 0);
    }

    // Funcionário: duplo clique mostra os logins; o escolhido vai para a OS nova.
    void trocarFuncionario()
    {
        Cenario c;
        c.amb.exec("INSERT INTO USUARIOS (CDUSUARIO, CDLOGIN) VALUES (1, 'JOAO')");
        c.amb.exec("INSERT INTO USUARIOS (CDUSUARIO, CDLOGIN) VALUES (2, 'PEDRO')");
        c.novaOSCompleta();
        QLabel* rotulo = c.w<QLabel>("lbl_Funcionario");
        QTest::mouseDClick(rotulo, Qt::LeftButton);
        QComboBox* lista = c.cb("cb_Funcionario");
        QVERIFY(c.mostrado("cb_Funcionario"));
        QVERIFY(!c.mostrado("lbl_Funcionario"));
        QCOMPARE(lista->count(), 2);
        lista->setCurrentIndex(lista->findText("PEDRO"));
        lista->hidePopup();
        QTRY_VERIFY(c.mostrado("lbl_Funcionario"));
        QVERIFY(!c.mostrado("cb_Funcionario"));
        QCOMPARE(rotulo->text(), QStringLiteral("PEDRO"));
        c.clicar("btn_SalvarOS");
        QCOMPARE(c.coluna(1, "FUNCIONARIO").toString(), QStringLiteral("PEDRO"));
        // as linhas guardam quem as lançou
        QCOMPARE(c.amb.valor("SELECT MIN(FUNCIONARIO) FROM ITENS_ORDEM_SERVICO").toString(), QStringLiteral("ADMIN"));
    }

    // "Novo Cliente" na pesquisa: a lista reaberta fica no cliente recém-cadastrado.
    void novoClienteNaPesquisa()
    {
        if (!TelaDisponivel("Clientes.Novo"))
            QSKIP("tela de cliente novo não está no programa");
        Cenario c;
        c.clicar("btn_NovaOS");
        auto& d = c.amb.dialogos();
        d.aoAbrirJanela([&c](QDialog* pesquisa) {
            QTest::mouseClick(pesquisa->findChild<QPushButton*>("btn_Extra"), Qt::LeftButton);
            return QDialog::Accepted;
        });
        d.aoAbrirJanela([&c](QDialog*) {
            // o que a ficha do cliente faz ao cadastrar: grava e deixa o código
            c.amb.exec("INSERT INTO CLIENTES (NOME, CELULAR) VALUES ('ZECA NOVO', '(31)97777-0000')");
            c.amb.modulo()->vCDCONTROLE_CLIENTE =
                c.amb.valor("SELECT CDCONTROLE FROM CLIENTES WHERE NOME = 'ZECA NOVO'").toInt();
            return QDialog::Accepted;
        });
        QVERIFY(c.w<TCaixaPesquisa>("LCD_Cliente")->pesquisar());
        QCOMPARE(c.w<TCaixaPesquisa>("LCD_Cliente")->texto(), QStringLiteral("ZECA NOVO"));
        QCOMPARE(c.w<QLabel>("lbl_Telefone")->text(), QStringLiteral("(31)97777-0000"));
        QVERIFY(d.pendencias().isEmpty());
    }

    // "Quero atualizar o telefone do cliente": o celular novo aparece no rótulo.
    void atualizarTelefone()
    {
        if (!TelaDisponivel("AtualizaDadosCliente"))
            QSKIP("tela de atualização do cliente não está no programa");
        Cenario c;
        c.osGravada(1, 10, "Aberta");
        c.carregar(1);
        c.amb.modulo()->vCDCONTROLE_CLIENTE = c.ana; // outra lista mexeu no cliente atual
        c.clicar("btn_AlterarOS");
        c.amb.dialogos().aoAbrirJanela([](QDialog* janela) {
            auto* celular = janela->findChild<QLineEdit*>("edt_Celular");
            celular->setText("(21)90000-1234");
            QTest::mouseClick(janela->findChild<QAbstractButton*>("IMG_Salvar"), Qt::LeftButton);
            return QDialog::Accepted;
        });
        c.frm->AtualizarTelefoneClick();
        QCOMPARE(c.w<QLabel>("lbl_Telefone")->text(), QStringLiteral("(21)90000-1234"));
        QCOMPARE(c.amb.valor("SELECT CELULAR FROM CLIENTES WHERE CDCONTROLE = :C", {{"C", c.maria}}).toString(),
                 QStringLiteral("(21)90000-1234"));
    }

    // A janela principal abre a tela pela chave; Esc fecha e limpa as linhas da OS não gravada.
    void abertaPelaChave()
    {
        AmbienteTeste amb;
        amb.modulo()->vp_usuario_conectado = "MARIA";
        QVERIFY(TelaDisponivel("OrdemServico"));
        QString funcionario;
        amb.dialogos().aoAbrirJanela([&amb, &funcionario](QDialog* janela) {
            QTest::mouseClick(janela->findChild<QToolButton*>("btn_NovaOS"), Qt::LeftButton);
            const int nros = janela->findChild<QLineEdit*>("edt_NROS")->text().toInt();
            amb.modulo()->GravarServicodaOS("X", "Y", 1, "MARIA", nros);
            funcionario = janela->findChild<QLabel*>("lbl_Funcionario")->text();
            QTest::keyClick(janela, Qt::Key_Escape);
            return janela->result();
        });
        QVERIFY(AbrirTela("OrdemServico"));
        QCOMPARE(funcionario, QStringLiteral("MARIA"));
        QCOMPARE(amb.dialogos().janelasAbertas(), QStringList{"frm_CadOrdemdeServico"});
        QCOMPARE(amb.valor("SELECT COUNT(*) FROM ITENS_ORDEM_SERVICO").toInt(), 0);
        QVERIFY(amb.dialogos().pendencias().isEmpty());
    }

    // Sem número de OS: a impressão e o checklist pedem a OS antes.
    void semNumeroPedeAOS()
    {
        Cenario c;
        c.frm->btn_ImprimirOSClick();
        c.frm->GerarCheckListClick();
        c.frm->GerarNovaCheckListClick();
        QCOMPARE(c.amb.dialogos().mensagens(),
                 (QStringList{"Você deve informar uma Ordem de Serviço antes",
                              "Informe a Ordem de Serviço! - Clique no botão \"Buscar OS\" ",
                              "Informe a Ordem de Serviço! - Clique no botão \"Buscar OS\" "}));
    }
};

REGISTRAR_TESTE(TesteFormOS)
#include "tst_form_os.moc"
