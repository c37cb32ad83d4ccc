INITSEL,ALL;
FILE,sel;
LISTLOG,1,sel.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
INITSEL,ALL;
FILE,sel.1.geo;
LISTLOG,1,sel.1.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
INITSEL,ALL;
FILE,x.gem;
LISTLOG,1,x.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
