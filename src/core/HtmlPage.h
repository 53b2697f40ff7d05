#pragma once

#include <QString>

// Every page of the verse view is framed the same way; htmlPage({}) is the empty page
// "<HTML><html dir="rtl"><HEAD></HEAD><BODY></BODY></HTML>".
QString htmlPage(const QString &body);
