#pragma once
// Os dados da loja (nome, endereço, CNPJ, logo, textos da OS), com a consulta do CNPJ.
// Fechar esta janela com EMPRESA ainda vazia encerra o programa.
#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class Tfrm_CadParametrosdaEmpresa;
}
class QMenuBar;

// Como o programa termina quando a janela fecha sem empresa (padrão: QCoreApplication::exit(0)
// por chamada enfileirada, que vale também antes do laço de eventos começar). Testes trocam.
void DefinirEncerramentoDoPrograma(std::function<void()> encerrar);

class Tfrm_CadParametrosdaEmpresa : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_CadParametrosdaEmpresa(QWidget* pai = nullptr);
    ~Tfrm_CadParametrosdaEmpresa() override;

    // 1 quando há empresa carregada (salvar altera), 0 quando não (salvar insere).
    int tag() const { return m_tag; }
    QString v_Caminho_e_nome_da_imagem_do_logo;

    void CarregarEmpresa();
    bool Validacoes();
    void btn_SalvarClick();
    void btn_LogoClick();
    void edt_CNPJExit();

protected:
    void done(int resultado) override;
    void showEvent(QShowEvent* evento) override;

private:
    void mostrarLogo(const QString& caminho);

    std::unique_ptr<Ui::Tfrm_CadParametrosdaEmpresa> ui;
    QMenuBar* m_menu = nullptr;
    int m_tag = 0;
};
