INITSEL,ALL;
FILE,sub/a.geo;
LISTLOG,1,sub/a.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
