#pragma once
// The SQLite back end: a pool of connections in WAL mode, parameterised SQL, a
// transaction around every change.

#include "appserver/sqlitepool.h"
#include "appserver/storage.h"

namespace appserver {

class SqliteStorage : public Storage
{
public:
    SqliteStorage(const std::string &path, size_t connections);

    std::optional<int> istasyonKullanicisi(const std::string &makineId) override;
    std::optional<Kullanici> kullanici(int sirano) override;
    std::optional<Cari> cari(int carino) override;
    std::optional<Temsilci> temsilci(int no) override;
    bool istasyonKaydet(const std::string &makineId, const std::string &kullaniciAdi) override;

    std::string stokAra(const std::string &katli, int carino) override;
    std::string sepet(int carino) override;
    int sepetEkle(const SepetGirdisi &g) override;
    int sepetGuncelle(int sepetSirano, const SepetGirdisi &g) override;
    int sepetSatirSil(int carino, int sirano) override;
    int sepetBosalt(int carino) override;
    void sepetSecim(int sirano, int secim) override;

    std::string teslimTurleri() override;
    std::string kargoTurleri() override;
    std::string kargoFirmalari(int kargoTuru) override;
    bool siparisKaydet(const SiparisGirdisi &g) override;

    std::string resim(int stokno) override;
    std::optional<VadesiGecmis> vadesiGecmis(int carino, int bugun) override;

private:
    SqlitePool m_pool;
};

} // namespace appserver
