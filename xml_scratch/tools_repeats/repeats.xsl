<?xml version="1.0" encoding="UTF-8"?>
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
<xsl:template match="/">
  <html>
  <body bgcolor="#FFFFFF" text="#000000">
    <table border="3">
      <tr>
       <th>ID</th>
       <th>NAME</th>
       <th>ID</th>
       <th>A_B</th>
       <th>A_B</th>
      </tr>
      <xsl:for-each select="doc/row">
      <tr>
       <td><xsl:value-of select="ID"/></td>
       <td><xsl:value-of select="NAME"/></td>
       <td><xsl:value-of select="ID_2"/></td>
       <td><xsl:value-of select="A_B"/></td>
       <td><xsl:value-of select="A_B_2"/></td>
      </tr>
      </xsl:for-each>
    </table>
  </body>
  </html>
</xsl:template>
</xsl:stylesheet>
