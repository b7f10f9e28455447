// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#pragma once

#include "NetworkCheck.h"
#include "UpdateServer.h"

#include <QString>

// Where the About window's two exchanges connect and how long they wait. The
// defaults are the program's; tests point both at a server on 127.0.0.1 with
// short waits and decide whether there is a network.
struct ExchangeOptions
{
    QString updateHost = UpdateServer::defaultHost();
    quint16 updatePort = UpdateServer::UpdatePort;
    QString feedbackHost = UpdateServer::defaultHost();
    quint16 feedbackPort = UpdateServer::FeedbackPort;
    int updateTimeoutMs = UpdateServer::UpdateTimeoutMs; // Timer1
    int sendDelayMs = UpdateServer::SendDelayMs;         // Timer2
    int answerTimeoutMs = UpdateServer::AnswerTimeoutMs; // Timer3
    NetworkCheck networkCheck = hasNetwork;
};
