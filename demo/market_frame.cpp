#include "demo/market_frame.h"

#include "demo/html_text.h"
#include "text/gbk_literal.h"

namespace quvolo::demo {

std::string market_page_head(std::string_view title, const PageRequest& request) {
    const std::string origin = html_escape(request.origin());
    std::string out;
    out.reserve(4096);
    out +=
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\r\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />\r\n<title>";
    out += title;
    out += GBK("_Tovana网络游戏交易平台</title>\r\n");
    out +=
        "<style>body{font:12px/1.8 sans-serif;margin:0;color:#333}.w960{width:960px;margin:0 auto}"
        ".topbar{background:#f2f2f2;border-bottom:1px solid #ddd}.logo{font:bold 26px "
        "sans-serif;color:#e4393c;text-decoration:none}.nav li{display:inline;margin-right:18px}"
        "ul{list-style:none;margin:0;padding:4px 0}.orange,strong{color:#f60}"
        ".footer{text-align:center;color:#999;border-top:1px solid #ddd}</style>\r\n";
    out += "</head>\r\n<body>\r\n<div class=\"topbar\"><div class=\"w960\">";
    out += GBK("欢迎来到Tovana！<a href=\"");
    out += origin;
    out += GBK("/login.aspx\">请登录</a> <a href=\"");
    out += origin;
    out += GBK("/register.aspx\">免费注册</a></div></div>\r\n");
    out += "<div class=\"header w960\"><a class=\"logo\" href=\"" + origin + "/\">Tovana</a>\r\n";
    out += "<ul class=\"nav\">";
    out += GBK("<li><a href=\"");
    out += origin;
    out += GBK("/\">首页</a></li><li><a href=\"");
    out += origin;
    out += GBK("/search/\">我要买</a></li><li><a href=\"");
    out += origin;
    out += GBK("/sell/\">我要卖</a></li><li><a href=\"");
    out += origin;
    out += GBK("/list/viewlastestdeallist.aspx\">最新成交</a></li><li><a href=\"");
    out += origin;
    out += GBK("/help/\">帮助中心</a></li></ul>\r\n</div>\r\n<div class=\"w960 main\">\r\n");
    return out;
}

std::string market_page_foot() {
    std::string out = "</div>\r\n<div class=\"footer\">\r\n<p>";
    out += GBK("关于我们 | 安全交易 | 客服中心 | 交易规则 | 联系我们</p>\r\n");
    out += GBK("<p>Copyright &copy; 2003-2013 Tovana 版权所有</p>\r\n");
    out += "</div>\r\n</body>\r\n</html>\r\n";
    return out;
}

}  // namespace quvolo::demo
