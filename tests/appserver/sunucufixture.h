#pragma once
// A fresh copy of a small seeded database and an in-process server on free
// loopback ports per test; a raw HTTP client speaking the wire protocol.

#include "appserver/server.h"

#include <boost/json.hpp>
#include <gtest/gtest.h>
#include <httplib.h>

#include <memory>
#include <string>

struct Cevap
{
    int status = 0;
    boost::json::value govde;
    std::string sinif() const; // error class, empty when none
};

class SunucuTesti : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Restarts the server with changed options (same database copy).
    void yenidenBaslat(const appserver::ServerOptions &o);

    std::unique_ptr<httplib::Client> istemci() const;
    std::string elSikis() const; // a new session id
    Cevap postJson(const std::string &yol, const std::string &govde, const std::string &oturum = {}) const;
    Cevap cagir(const std::string &yontem, boost::json::array params);
    // The values of a successful call; fails the test otherwise.
    boost::json::array degerler(const std::string &yontem, boost::json::array params);
    // The session record of a demo workstation, as BuyukGetir hands it out.
    boost::json::value kayit(const std::string &makine);

    appserver::ServerOptions m_options;
    std::unique_ptr<appserver::Server> m_server;
    std::string m_oturum;
};

// Column index by name in a table value; -1 when absent.
int kolon(const boost::json::value &tablo, const std::string &ad);
const boost::json::array &satirlar(const boost::json::value &tablo);
